#pragma once
// What happens to an error that nothing catches, such as one raised while the windows are created
// before the message loop runs: the standard error box shows it and the program ends with exit
// code 1.

namespace tk {

// Called once by the application object.
void installLastChanceHandler();

}  // namespace tk
