#pragma once
// The process-wide objects (vxApp, vxInfo, vxProject, vxMain, vxMatch) are
// made one by one at start-up and freed in the reverse order, however the
// process ends: the matcher, the windowless runner (it may still use the
// project), the project (it writes the recent list through the app's path),
// the product links, the app. Tests that set such objects up free them the
// same way.

// Frees whichever of the objects exist, in that order, and clears the
// pointers.
void FreeProcessObjects();

// Owns the process-wide objects from the moment the first is made: frees them
// when it goes, also when a command-line switch or an error ends the process
// early.
class ProcessObjects {
public:
    ProcessObjects() = default;
    ~ProcessObjects() { FreeProcessObjects(); }
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;
};
