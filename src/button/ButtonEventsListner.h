#pragma once

class CRolloverBitmapButton;

// Told when the pointer comes to rest on a rollover button, and when it has left one.
class ButtonEventsListner
{
public:
    virtual void OnButtonHover(CRolloverBitmapButton* button) = 0;
    virtual void OnButtonLeave(CRolloverBitmapButton*) {}
};
