#pragma once

#include <QDialog>

// The name dialog "I am ....".
class TWhoami : public QDialog {
    Q_OBJECT
public:
    explicit TWhoami(QWidget* parent = nullptr);
};
