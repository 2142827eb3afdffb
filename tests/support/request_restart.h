#pragma once
// Asks the current machine's Windows to restart the way the setup program
// does: on the NT family it first enables the shutdown privilege. Fails the
// running test when Windows refuses.

namespace testsupport {

void RequestRestart();

}  // namespace testsupport
