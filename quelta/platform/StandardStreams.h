#pragma once

namespace quelta {

// Opens /dev/null on standard input, output and error where they are closed, so that the next
// descriptor the program or Qt opens does not become one of them and receive what is meant for
// the terminal. Call first thing in main.
void openClosedStandardStreams();

} // namespace quelta
