#include "upicpreview.h"

#include "ui_upicpreview.h"

TPicPreviewFrm::TPicPreviewFrm(QWidget *parent) : QWidget(parent), ui(new Ui::TPicPreviewFrm)
{
    ui->setupUi(this);
}

TPicPreviewFrm::~TPicPreviewFrm()
{
    delete ui;
}
