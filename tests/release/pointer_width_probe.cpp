// Ends with 0 only when it runs as 32-bit code: the installer's test runs where this does.
int main() { return sizeof(void*) == 4 ? 0 : 1; }
