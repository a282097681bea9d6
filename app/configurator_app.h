// The application object: sets up the common controls, runs the main menu,
// and ends the process when the main menu closes.
#pragma once

class CConfiguratorApp {
  public:
    // Always false: there is no message loop beyond the main menu's.
    bool InitInstance();
};
