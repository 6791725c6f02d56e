#pragma once

#include "notedb.h"

#include <QObject>

// The data module: owns the one connection to the note database, opened once at start.
class TDM : public QObject
{
    Q_OBJECT

public:
    explicit TDM(QObject *parent = nullptr);

    // Opens Data/UserData.mdb; on failure shows "配置文件加载失败，请重试！" and returns false.
    bool ConnectDatabase();
    NoteDb &AdoCon() { return m_db; }

private:
    // Creation step: opens the database or asks the application to end.
    void DataModuleCreate();

    NoteDb m_db;
};

// The single instance, made first at start-up.
extern TDM *DM;
