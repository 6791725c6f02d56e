#include "startup.h"

#include "errorbox.h"
#include "lifecycle.h"
#include "messages.h"
#include "singleinstance.h"
#include "udeskbgset.h"
#include "udm.h"
#include "uinfofrm.h"
#include "umain.h"
#include "upicmix.h"
#include "upicpreview.h"
#include "upicsel.h"

#include <QFont>

#include <memory>

namespace {
const QString InstanceName = QStringLiteral("B99A10245148769");
}

int runProgram(int argc, char **argv)
{
    // A second start ends at once: no window, no message, nothing read or written.
    if (!singleinstance::acquire(InstanceName))
        return 0;

    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tovaki"));
    QApplication::setApplicationDisplayName(messages::AppTitle);
    installMessageBoxes();
    // The fonts the forms name are Windows fonts; any installed CJK font stands in for them.
    const QStringList cjkFonts = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                                  QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), cjkFonts);
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), cjkFonts);

    // Created in this order; each runs its creation step while it is made, and all live until the end.
    auto dm = std::make_unique<TDM>();
    DM = dm.get();
    auto mainFrm = std::make_unique<TMainFrm>(DM->AdoCon());
    MainFrm = mainFrm.get();
    auto deskBGSetFrm = std::make_unique<TDeskBGSetFrm>();
    auto picPreviewFrm = std::make_unique<TPicPreviewFrm>();
    auto picSelFrm = std::make_unique<TPicSelFrm>();
    auto inforFrm = std::make_unique<TInforFrm>();
    auto mixPicFrm = std::make_unique<TMixPicFrm>();

    mainFrm->show();
    // An end request made while creating (the database failure) takes effect as the loop starts.
    const int code = lifecycle::endRequested() ? 0 : QApplication::exec();
    MainFrm = nullptr;
    DM = nullptr;
    return code;
}
