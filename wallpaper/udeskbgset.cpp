#include "udeskbgset.h"

#include "ui_udeskbgset.h"

TDeskBGSetFrm::TDeskBGSetFrm(QWidget *parent) : QWidget(parent), ui(new Ui::TDeskBGSetFrm)
{
    ui->setupUi(this);
}

TDeskBGSetFrm::~TDeskBGSetFrm()
{
    delete ui;
}
