#include "whoami.h"

TWhoami::TWhoami(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Whoami"));
    setWindowTitle(QStringLiteral("I am ...."));
}
