#pragma once

class CRolloverBitmapButton;

// Told when the pointer comes to rest on a rollover button.
class ButtonEventsListner
{
public:
    virtual void OnButtonHover(CRolloverBitmapButton* button) = 0;
};
