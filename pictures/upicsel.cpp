#include "upicsel.h"

#include "ui_upicsel.h"

TPicSelFrm::TPicSelFrm(QWidget *parent) : QDialog(parent), ui(new Ui::TPicSelFrm)
{
    ui->setupUi(this);
}

TPicSelFrm::~TPicSelFrm()
{
    delete ui;
}
