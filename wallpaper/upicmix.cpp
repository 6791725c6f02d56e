#include "upicmix.h"

#include "mixpic.h"
#include "picfile.h"
#include "ui_upicmix.h"

#include <QPainter>

TPicHolder::TPicHolder(QWidget *parent) : QWidget(parent) {}

void TPicHolder::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TPicHolder::loadFromFile(const QString &path)
{
    setPicture(picfile::readPicture(path));
}

void TPicHolder::clear()
{
    setPicture(QImage());
}

void TPicHolder::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QSize shown = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), shown), m_picture);
}

TMixPicFrm::TMixPicFrm(QWidget *parent) : QWidget(parent), ui(new Ui::TMixPicFrm)
{
    ui->setupUi(this);
    connect(ui->JvXPButton1, &QPushButton::clicked, this, &TMixPicFrm::JvXPButton1Click);
}

TMixPicFrm::~TMixPicFrm()
{
    delete ui;
}

TPicHolder *TMixPicFrm::img1() const
{
    return ui->img1;
}

TPicHolder *TMixPicFrm::img2() const
{
    return ui->img2;
}

TPicHolder *TMixPicFrm::imgmix() const
{
    return ui->imgmix;
}

QImage TMixPicFrm::MixPic(QImage &content, QImage &background, int rowOffset, int percentage)
{
    return mixpic::mixPictures(content, background, rowOffset, percentage, CenterMix);
}

void TMixPicFrm::JvXPButton1Click()
{
    ui->img1->clear();
    ui->img2->clear();
}
