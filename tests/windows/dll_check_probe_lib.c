// A DLL of our own, for a program the DLL check must refuse.
__declspec(dllexport) int ProbeValue(void) { return 42; }
