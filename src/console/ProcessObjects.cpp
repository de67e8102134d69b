#include "console/ProcessObjects.h"

#include "batch/TvxMatch.h"
#include "console/TvxMain.h"
#include "core/TvxApp.h"
#include "core/TvxInfo.h"
#include "core/TvxProject.h"

void FreeProcessObjects() {
    delete vxMatch;
    vxMatch = nullptr;
    delete vxMain;
    vxMain = nullptr;
    delete vxProject;
    vxProject = nullptr;
    delete vxInfo;
    vxInfo = nullptr;
    delete vxApp;
    vxApp = nullptr;
}
