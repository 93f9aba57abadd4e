#include "wordproc/MemberReadPool.h"

namespace harvelux::wordproc {

namespace {
thread_local MemberReadPool* currentPool = nullptr;
}  // namespace

MemberReadPool* MemberReadPool::current() { return currentPool; }

MemberReadPool::Scope::Scope(MemberReadPool* pool) : previous_(currentPool) { currentPool = pool; }

MemberReadPool::Scope::~Scope() { currentPool = previous_; }

}  // namespace harvelux::wordproc
