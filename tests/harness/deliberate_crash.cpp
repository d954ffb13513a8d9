// Writes through a null pointer: the test harness must report this program as failed.
int main() {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
  return 0;
}
