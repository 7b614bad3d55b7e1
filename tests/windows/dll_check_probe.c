// A program that needs a DLL which is no part of Windows.
__declspec(dllimport) int ProbeValue(void);

int main(void) { return ProbeValue() == 42 ? 0 : 1; }
