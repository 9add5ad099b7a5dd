#include <cstdio>

int main() {
    std::puts("orvelan-cli");
    return 0;
}
