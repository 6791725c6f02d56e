#include "upicmix.h"

#include "ui_upicmix.h"

TMixPicFrm::TMixPicFrm(QWidget *parent) : QWidget(parent), ui(new Ui::TMixPicFrm)
{
    ui->setupUi(this);
}

TMixPicFrm::~TMixPicFrm()
{
    delete ui;
}
