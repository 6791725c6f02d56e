#include "captionlooks.h"

CaptionLooks captionLooks(CaptionEvent event)
{
    // Field order: closeDown, closeHighlight, closeNormal, miniDown, miniHighlight, miniNormal.
    switch (event) {
    case CaptionEvent::PointerOverCloseNormal:
        return {false, true, false, false, false, true};
    case CaptionEvent::PressOnCloseHighlight:
        return {true, false, false, false, false, true};
    case CaptionEvent::PointerOverMiniNormal:
        return {false, false, true, false, true, false};
    case CaptionEvent::PressOnMiniHighlight:
        return {false, false, true, true, false, false};
    case CaptionEvent::MinimiseClicked:
    case CaptionEvent::PointerOverBackground:
        break;
    }
    return InitialCaptionLooks;
}
