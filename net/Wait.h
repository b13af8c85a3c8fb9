#pragma once
// TCustomWait / TWait: a small painted control that counts seconds down. The
// socket's blocking operations run their wait through it (RunModal) when
// they are not pumping messages themselves; keyboard and mouse clicks are
// refused with a beep meanwhile, everything else is dispatched.

#include "platform/CustomControl.h"

#include <functional>
#include <memory>

class TTimer;

using TWaitEvent = std::function<void(TObject* sender, int count)>;

class TCustomWait : public TCustomControl {
public:
    explicit TCustomWait(TComponent* owner);
    ~TCustomWait() override;

    void SetCaption(const std::string&) override;

    TModalResult ModalResult = mrNone;
    unsigned short Interval() const;
    void SetInterval(unsigned short);
    bool Running() const;

    virtual void Start();
    virtual void Stop();
    virtual void RunModal();
    virtual void RestoreCaption();

    TWaitEvent OnWait;
    TNotifyEvent OnWaiting;
    TNotifyEvent OnWaitStart;
    TNotifyEvent OnWaitStop;
    TNotifyEvent OnTimeout;

protected:
    void Paint() override;

private:
    void Tick();
    int CaptionNumber() const;

    TTimer* m_timer = nullptr;
    int m_startValue = 60;
};

class TWait : public TCustomWait {
public:
    using TCustomWait::TCustomWait;
};
