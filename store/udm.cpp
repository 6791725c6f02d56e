#include "udm.h"

#include "lifecycle.h"
#include "messages.h"
#include "paths.h"
#include "tovakierror.h"

TDM *DM = nullptr;

TDM::TDM(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM"));
    DataModuleCreate();
}

void TDM::DataModuleCreate()
{
    if (!ConnectDatabase())
        lifecycle::requestEnd();
}

bool TDM::ConnectDatabase()
{
    try {
        m_db.open(paths::inProgramFolder(QStringLiteral("Data/UserData.mdb")));
        return true;
    } catch (const TovakiError &) {
        messages::show(messages::Kind::Plain, QStringLiteral("配置文件加载失败，请重试！"));
        return false;
    }
}
