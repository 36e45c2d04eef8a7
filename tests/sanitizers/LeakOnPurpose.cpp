// Leaves one block unfreed on purpose. The sanitizer build runs it to show that
// LeakSanitizer is watching, so a build where it is off cannot pass quietly.
#include <cstdio>

namespace {

// Volatile, so the compiler keeps both the allocation and the lost pointer.
char* volatile gBlock = nullptr;

__attribute__((noinline)) void leakOnPurpose() {
    gBlock = new char[4099];
    gBlock[0] = 'x';
    gBlock = nullptr;
}

} // namespace

int main() {
    leakOnPurpose();
    std::puts("One block of 4099 bytes is left unfreed.");
    return 0;
}
