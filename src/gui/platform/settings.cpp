#include "gui/platform/settings.h"

namespace {

bool remembering = true;

} // namespace

QSettings programSettings()
{
    return QSettings(QStringLiteral("Quorvex"), QStringLiteral("Quorvex"));
}

bool rememberingChoices()
{
    return remembering;
}

void setRememberingChoices(bool remember)
{
    remembering = remember;
}

bool freshStartAsked(const QStringList& arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--fresh"));
}
