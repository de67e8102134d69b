#include "core/TvxRoad.h"

#include "core/TvxProject.h"

TvxRoad ChooseRoad(const TvxProject& project, bool hasDesktop) {
    if (!project.GetPureConsole()) return TvxRoad::Window;
    if (!hasDesktop || project.GetSource().find("http") == std::string::npos)
        return TvxRoad::Windowless;
    return TvxRoad::Window;
}
