// kinovar-batch: the calculation without a window, for scripted studies.
int main() { return 0; }
