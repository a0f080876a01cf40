#include <iostream>

// The least a C++ program does: the figure a text command's start-up is compared with.
int main() {
    std::cout << "table\n";
    return 0;
}
