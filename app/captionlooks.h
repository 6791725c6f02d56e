#pragma once

// The caption's minimise and close buttons are three stacked images each (normal, highlighted,
// pressed); every event below decides the visibility of all six at once, and the button that was
// not touched always goes back to its normal look.
enum class CaptionEvent {
    PointerOverCloseNormal, // pointer moves over img_close_normal
    PressOnCloseHighlight,  // a mouse button goes down on img_close_highlight
    PointerOverMiniNormal,  // pointer moves over img_mini_normal
    PressOnMiniHighlight,   // a mouse button goes down on img_mini_highlight
    MinimiseClicked,        // after the window was minimised by a click on img_mini_highlight
    PointerOverBackground,  // pointer moves over imgBG
};

// Visibility of the six caption images.
struct CaptionLooks
{
    bool closeDown = false;      // img_close_down
    bool closeHighlight = false; // img_close_highlight
    bool closeNormal = true;     // img_close_normal
    bool miniDown = false;       // img_mini_down
    bool miniHighlight = false;  // img_mini_highlight
    bool miniNormal = true;      // img_mini_normal

    bool operator==(const CaptionLooks &) const = default;
};

// Both buttons in their normal look, as when the window is created.
inline constexpr CaptionLooks InitialCaptionLooks{};

// The visibilities that the event sets.
CaptionLooks captionLooks(CaptionEvent event);
