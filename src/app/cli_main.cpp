#include <cstdio>

int main() {
  std::puts("zelmora-cli");
  return 0;
}
