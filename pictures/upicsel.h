#pragma once

#include <QDialog>

namespace Ui {
class TPicSelFrm;
}

class TPicSelFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TPicSelFrm(QWidget *parent = nullptr);
    ~TPicSelFrm() override;

private:
    Ui::TPicSelFrm *ui;
};
