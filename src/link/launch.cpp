#include "link/launch.h"

// The sibling programs are not reached yet; each step does nothing.
void CheckAppExists() { }
void ModelSelectSequence1() { }
void ShowSelectLaunchApplication() { }
void HideOtherApp() { }
void SendQuitToSiblings() { }
void InstallMessageHandler() { }
void ModelSelectSequence2() { }
void SelectLaunchAppWnd() { }
void SendBootedByFile() { }
