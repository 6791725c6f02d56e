#pragma once

#include <QWidget>

namespace Ui {
class TDeskBGSetFrm;
}

class TDeskBGSetFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TDeskBGSetFrm(QWidget *parent = nullptr);
    ~TDeskBGSetFrm() override;

private:
    Ui::TDeskBGSetFrm *ui;
};
