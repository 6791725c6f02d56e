#pragma once

#include <QWidget>

namespace Ui {
class TPicPreviewFrm;
}

class TPicPreviewFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TPicPreviewFrm(QWidget *parent = nullptr);
    ~TPicPreviewFrm() override;

private:
    Ui::TPicPreviewFrm *ui;
};
