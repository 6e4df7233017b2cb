/*
 * Preloaded into Wine's i386 loader when it runs under user-mode QEMU.
 *
 * Wine's i386 fault handlers decide what a fault was from the trap number the kernel leaves in
 * the signal context. QEMU's user mode leaves -1 there, so Wine cannot tell a page fault from
 * anything else: access violations become illegal instructions, guard pages stop working and a
 * division by zero kills the process. This library stands between Wine and its handlers for
 * the five fault signals and writes the trap number the real processor would have reported,
 * worked out from the signal's code, before Wine's handler runs.
 *
 * Built freestanding (no i386 C headers are installed): the layouts below are i386 Linux's.
 */

typedef unsigned int size_t;

enum
{
    SIGNAL_ILL = 4,
    SIGNAL_TRAP = 5,
    SIGNAL_BUS = 7,
    SIGNAL_FPE = 8,
    SIGNAL_SEGV = 11,
    SIGNAL_COUNT = 65,
    SA_SIGINFO_FLAG = 4,
    SIGNAL_CODE_KERNEL = 0x80
};

/* The processor's exception numbers, as Wine's handlers read them. */
enum
{
    TRAP_DIVIDE = 0,
    TRAP_SINGLE_STEP = 1,
    TRAP_BREAKPOINT = 3,
    TRAP_OVERFLOW = 4,
    TRAP_INVALID_OPCODE = 6,
    TRAP_PROTECTION = 13,
    TRAP_PAGE_FAULT = 14,
    TRAP_FLOATING_POINT = 16,
    TRAP_ALIGNMENT = 17
};

/* si_code values of the fault signals. */
enum
{
    FPE_INTDIV_CODE = 1,
    FPE_INTOVF_CODE = 2,
    BUS_ADRALN_CODE = 1,
    TRAP_TRACE_CODE = 2
};

typedef struct
{
    int si_signo;
    int si_errno;
    int si_code;
} SignalInfo;

/* ucontext_t: uc_flags, uc_link, uc_stack (12 bytes), then mcontext's 19 registers, whose
 * thirteenth is the trap number. */
enum
{
    REGISTERS_OFFSET = 20,
    REGISTER_TRAPNO = 12
};

typedef void (*SignalHandler)(int, SignalInfo*, void*);

typedef struct
{
    SignalHandler handler;
    unsigned long mask[32];
    int flags;
    void (*restorer)(void);
} SignalAction;

typedef int (*SigactionFunction)(int, const SignalAction*, SignalAction*);

extern void* dlsym(void* handle, const char* name);
extern int unsetenv(const char* name);
#define RTLD_NEXT ((void*)-1)

static SignalHandler wineHandlers[SIGNAL_COUNT];

static int TrapNumberOf(const SignalInfo* info)
{
    switch (info->si_signo) {
    case SIGNAL_SEGV:
        return info->si_code == SIGNAL_CODE_KERNEL ? TRAP_PROTECTION : TRAP_PAGE_FAULT;
    case SIGNAL_BUS:
        return info->si_code == BUS_ADRALN_CODE ? TRAP_ALIGNMENT : TRAP_PAGE_FAULT;
    case SIGNAL_ILL:
        return TRAP_INVALID_OPCODE;
    case SIGNAL_FPE:
        if (info->si_code == FPE_INTDIV_CODE)
            return TRAP_DIVIDE;
        return info->si_code == FPE_INTOVF_CODE ? TRAP_OVERFLOW : TRAP_FLOATING_POINT;
    default:
        return info->si_code == TRAP_TRACE_CODE ? TRAP_SINGLE_STEP : TRAP_BREAKPOINT;
    }
}

static void FillTrapNumber(int signal, SignalInfo* info, void* context)
{
    int* trapNumber = (int*)((char*)context + REGISTERS_OFFSET) + REGISTER_TRAPNO;
    if (*trapNumber < 0)
        *trapNumber = TrapNumberOf(info);
    wineHandlers[signal](signal, info, context);
}

static int IsFaultSignal(int signal)
{
    return signal == SIGNAL_SEGV || signal == SIGNAL_BUS || signal == SIGNAL_ILL ||
           signal == SIGNAL_FPE || signal == SIGNAL_TRAP;
}

static int IsRealHandler(const SignalAction* action)
{
    return (action->flags & SA_SIGINFO_FLAG) && (size_t)action->handler > 1;
}

/* Wine's handlers for the fault signals are installed wrapped; asked what was installed before,
 * it is told its own handler, never the wrapper. */
int sigaction(int signal, const SignalAction* action, SignalAction* previous)
{
    static SigactionFunction system;
    if (!system)
        system = (SigactionFunction)dlsym(RTLD_NEXT, "sigaction");
    if (!IsFaultSignal(signal))
        return system(signal, action, previous);

    const SignalHandler earlier = wineHandlers[signal];
    SignalAction wrapped;
    if (action && IsRealHandler(action)) {
        wrapped = *action;
        wrapped.handler = FillTrapNumber;
        wineHandlers[signal] = action->handler;
        action = &wrapped;
    }
    const int result = system(signal, action, previous);
    if (result != 0)
        wineHandlers[signal] = earlier;
    else if (previous && previous->handler == FillTrapNumber)
        previous->handler = earlier;
    return result;
}

/* Host programs that Wine starts from here must not load an i386 library. */
__attribute__((constructor)) static void ForgetPreload(void)
{
    unsetenv("LD_PRELOAD");
}
