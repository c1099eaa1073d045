#include "certificatefrm.h"

TCertificatefrm::TCertificatefrm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Certificatefrm"));
    setWindowTitle(QStringLiteral("Certificate"));
}
