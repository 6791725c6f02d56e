#pragma once

#include <QDialog>

namespace Ui {
class TInforFrm;
}

class TInforFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TInforFrm(QWidget *parent = nullptr);
    ~TInforFrm() override;

private:
    Ui::TInforFrm *ui;
};
