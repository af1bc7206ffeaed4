// A second Morvanta for the lock tests: takes the program's lock on the
// project file named by its argument and says "taken" or "refused". A line
// "release" then releases the lock and ends it; anything else ends it at once,
// leaving the lock file behind as a crash would.
#include <cstdlib>
#include <iostream>
#include <string>

#include "ui/file_ports/qt_file_lock.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QtFileLocks locks;
    file_commands::LockAttempt attempt = locks.take(argv[1]);
    std::cout << (attempt.lock ? "taken" : "refused") << std::endl;
    std::string line;
    std::getline(std::cin, line);
    if (line != "release") std::_Exit(0);
    attempt.lock.reset();
    return 0;
}
