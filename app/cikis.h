// Every way out of the program (close confirmation, "Çıkış", a cancelled login or
// customer selection, an unregistered computer, the self-update) ends the process at
// once with exit code 0: nothing is saved and the server is not told.
//
// Tests install a hook that records the exit instead; ProgramiBitir then returns and
// the caller closes its window, so a test can go on after "the program ended".
#pragma once

#include <functional>

namespace dorvanto {

// Ends the process at once with exit code 0 (or calls the test hook and returns).
void ProgramiBitir();

// Test seam: with a hook, ProgramiBitir calls it instead of ending the process.
// An empty function restores the real exit.
void SetCikisKancasi(std::function<void()> kanca);

} // namespace dorvanto
