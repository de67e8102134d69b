#include "core/TvxProduct.h"

#include <QCoreApplication>
#include <QString>

#include "core/TvxProject.h"

void ApplyProductConstants(TvxProject& project) {
    project.FileMask = "*.chm";
    project.SourceFilter = "Microsoft HTML Help(*.chm)|*.chm";
    project.TargetExt = ".pdf";
    project.ShortName = "pellin";
    project.ProjectExt = ".batch-" + project.ShortName;
    project.ProjectFilter = "Pellin Project|*" + project.ProjectExt;
    project.Title = "Pellin Convertor";
    project.Version = "2025.17.420.2241";
    QCoreApplication::setApplicationName(QString::fromStdString(project.Title));
}
