#pragma once

#include <QDialog>

// The certificate window.
class TCertificatefrm : public QDialog {
    Q_OBJECT
public:
    explicit TCertificatefrm(QWidget* parent = nullptr);
};
