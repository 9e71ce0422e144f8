#include "platform/sound/SpeakerModule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

SpeakerModule FindSpeakerModule(const QString &folder)
{
    SpeakerModule found;
    const QString file = QDir::toNativeSeparators(QDir(folder).absoluteFilePath(QLatin1String(SpeakerModuleFile)));
    if (!QFileInfo::exists(file)) {
        found.problem = QStringLiteral("the sound output %1 is missing.").arg(file);
        return found;
    }
    QLibrary module(file);
    if (!module.load()) {
        found.problem = QStringLiteral("the sound output %1 cannot be loaded (%2).").arg(file, module.errorString());
        return found;
    }
    found.make = reinterpret_cast<SpeakerOutputMaker>(module.resolve(MakeSpeakerOutputName));
    if (found.make)
        return found;
    module.unload();
    found.problem = QStringLiteral("%1 is not the program's sound output.").arg(file);
    return found;
}
