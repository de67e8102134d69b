#include "core/TvxRoad.h"

#include "core/TvxProject.h"

TvxRoad ChooseRoad(const TvxProject& project) {
    if (project.GetPureConsole() && project.GetSource().find("http") == std::string::npos)
        return TvxRoad::Windowless;
    return TvxRoad::Window;
}
