#include "uinfofrm.h"

#include "ui_uinfofrm.h"

TInforFrm::TInforFrm(QWidget *parent) : QDialog(parent), ui(new Ui::TInforFrm)
{
    ui->setupUi(this);
}

TInforFrm::~TInforFrm()
{
    delete ui;
}
