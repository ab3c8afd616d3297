// Throws an exception that nothing catches, linked with the program's own terminate handler.
#include <stdexcept>

int main() { throw std::runtime_error("nothing catches this"); }
