#pragma once

#include <QWidget>

namespace Ui {
class TMixPicFrm;
}

class TMixPicFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TMixPicFrm(QWidget *parent = nullptr);
    ~TMixPicFrm() override;

private:
    Ui::TMixPicFrm *ui;
};
