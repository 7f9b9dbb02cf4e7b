#include "ProcessEnd.h"

#include <atomic>
#include <cstdlib>

namespace {

class ImmediateEnd : public ProcessEnd
{
public:
    void end(int exitCode) override { std::_Exit(exitCode); }
};

std::atomic<ProcessEnd*> installed{nullptr};

} // namespace

void ProcessEnd::install(ProcessEnd* processEnd)
{
    installed = processEnd;
}

void ProcessEnd::now(int exitCode)
{
    static ImmediateEnd immediate;
    ProcessEnd* p = installed;
    (p ? *p : immediate).end(exitCode);
}
