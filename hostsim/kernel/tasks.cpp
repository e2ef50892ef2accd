// Tasks on real threads. A thread cannot be killed safely, so deleting a task
// marks it: its id is gone at once, every later wait of it fails and every
// other host call of it is refused, so it leaves its entry at its next host
// call and cannot act as if it were alive meanwhile. Threads of ended tasks
// are joined by the next spawn or delete, and all of them at shutdown (within
// a limit: see Kernel::shutdown).
#include <algorithm>
#include <climits>
#include <cstring>
#include <system_error>

#include "hostsim/core/host.h"
#include "hostsim/kernel/kernel_state.h"

namespace hostsim {

namespace {
thread_local KernelTask* taskOfThread = nullptr;
}  // namespace

KernelTask* Kernel::State::self() const {
  return taskOfThread && taskOfThread->kernel == this ? taskOfThread : nullptr;
}

bool Kernel::State::selfDeleted() const {
  const KernelTask* task = self();
  return task && task->deleted;
}

// Any kernel's task: a thread left behind by an ended host is deleted too,
// and must not reach the host that came after it.
bool callerTaskDeleted() noexcept { return taskOfThread && taskOfThread->deleted.load(); }

bool refuseDeletedCaller(const char* call) noexcept {
  if (!callerTaskDeleted() || std::strcmp(call, "errnoGet") == 0) return false;
  Kernel::setError(HOST_ERR_DELETED);
  return true;
}

void Kernel::State::runTask(State& state, std::shared_ptr<KernelTask> task, TASK_ENTRY entry,
                            std::array<TASK_ARG, 10> a) {
  taskOfThread = task.get();
  bool threw = false;
  try {
    entry(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
  } catch (...) {
    threw = true;
  }
  {
    std::lock_guard exit(task->exitMutex);
    if (task->abandoned) {
      // The host's end gave up on this thread: the kernel may be gone.
      taskOfThread = nullptr;
      return;
    }
    task->exiting = true;
  }
  if (threw) state.host.log().host(4, "task " + task->name + ": its entry ended with an exception");
  state.finishTask(*task);
  taskOfThread = nullptr;
}

void Kernel::State::finishTask(KernelTask& task) {
  std::lock_guard guard(mutex);
  auto it = tasks.find(task.id);
  if (it != tasks.end() && it->second.get() == &task) tasks.erase(it);
  if (TaskRecord* record = recordOf(task.id)) {
    record->ended = true;
    if (!record->endTick) record->endTick = clock.ticks();
  }
  // Left inside the section, it would hold off every queue for good.
  if (releaseSectionOf(std::this_thread::get_id()))
    host.log().host(4, "task " + task.name + " ended inside taskLock; the section was released");
  task.finished = true;
  changed.notify_all();
  settledChanged.notify_all();
}

void Kernel::State::reapFinished() {
  std::vector<std::shared_ptr<KernelTask>> ended;
  {
    std::lock_guard guard(mutex);
    auto firstEnded = std::stable_partition(threads.begin(), threads.end(), [](const auto& t) { return !t->finished; });
    ended.assign(std::make_move_iterator(firstEnded), std::make_move_iterator(threads.end()));
    threads.erase(firstEnded, threads.end());
  }
  for (auto& task : ended)
    if (task->thread.joinable()) task->thread.join();
}

int32_t Kernel::spawn(const char* name, TASK_ENTRY entry, const TASK_ARG (&args)[10], const TaskSettings& settings) {
  State& s = *state_;
  s.reapFinished();
  if (!entry) return failWith(HOST_ERR_INVALID, -1);
  std::array<TASK_ARG, 10> words{};
  std::copy(std::begin(args), std::end(args), words.begin());
  std::lock_guard guard(s.mutex);
  if (s.selfDeleted()) return failWith(HOST_ERR_DELETED, -1);
  if (s.shutDown || s.nextTaskId > INT32_MAX) return failWith(HOST_ERR_UNAVAILABLE, -1);
  auto task = std::make_shared<KernelTask>();
  task->id = static_cast<int32_t>(s.nextTaskId);
  task->name = name ? name : "";
  task->kernel = &s;
  // The thread's own bookkeeping at its end takes the mutex held here, so it
  // always finds the thread object stored.
  try {
    task->thread = std::thread(&State::runTask, std::ref(s), task, entry, words);
  } catch (const std::system_error&) {
    return failWith(HOST_ERR_UNAVAILABLE, -1);
  }
  ++s.nextTaskId;
  task->threadId = task->thread.get_id();
  s.tasks.emplace(task->id, task);
  s.threads.push_back(task);
  TaskRecord record;
  record.id = task->id;
  record.name = task->name;
  record.settings = settings;
  record.startTick = s.clock.ticks();
  s.taskHistory.push_back(std::move(record));
  return task->id;
}

int32_t Kernel::deleteTask(int32_t taskId) {
  State& s = *state_;
  s.reapFinished();
  std::lock_guard guard(s.mutex);
  auto it = s.tasks.find(taskId);
  if (it == s.tasks.end()) return failWith(HOST_ERR_INVALID, -1);
  KernelTask& task = *it->second;
  task.deleted = true;
  s.markDeleted(taskId);
  // Its queue operations fail from now on, so the section it held protects nothing.
  s.releaseSectionOf(task.threadId);
  s.tasks.erase(it);
  s.changed.notify_all();
  return 0;
}

int32_t Kernel::delay(int32_t ticks) {
  if (ticks < 0) return failWith(HOST_ERR_INVALID, -1);
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  if (s.selfDeleted() || s.shutDown) return failWith(HOST_ERR_DELETED, -1);
  if (ticks == 0) {
    guard.unlock();
    std::this_thread::yield();
    return 0;
  }
  const WaitOutcome outcome = s.waitTicks(guard, ticks, false, [] { return false; });
  return outcome == WaitOutcome::TimedOut ? 0 : failWith(HOST_ERR_DELETED, -1);
}

int32_t Kernel::joinTask(int32_t taskId) {
  State& s = *state_;
  std::shared_ptr<KernelTask> task;
  {
    std::unique_lock guard(s.mutex);
    for (const auto& t : s.threads)
      if (t->id == taskId) task = t;
    if (!task || task->threadId == std::this_thread::get_id()) return failWith(HOST_ERR_INVALID, -1);
    // Not a kernel wait for anything but the task's end: no queue is touched,
    // and a section the caller holds is given up meanwhile, so that the task
    // can leave a section of its own.
    if (s.wait(guard, std::nullopt, false, false, [&] { return task->finished; }) != WaitOutcome::Proceed)
      return failWith(HOST_ERR_DELETED, -1);
    const auto it = std::find(s.threads.begin(), s.threads.end(), task);
    if (it == s.threads.end()) return 0;  // reaped meanwhile by another thread
    s.threads.erase(it);
  }
  if (task->thread.joinable()) task->thread.join();
  return 0;
}

int32_t Kernel::currentTask() const {
  std::lock_guard guard(state_->mutex);
  const KernelTask* task = state_->self();
  return task ? task->id : 0;
}

std::vector<std::string> Kernel::runningTasks() const {
  std::lock_guard guard(state_->mutex);
  std::vector<std::string> names;
  for (const auto& [id, task] : state_->tasks) names.push_back(task->name);
  return names;
}

TaskRecord* Kernel::State::recordOf(int32_t taskId) {
  if (taskId < 1 || static_cast<size_t>(taskId) > taskHistory.size()) return nullptr;
  return &taskHistory[static_cast<size_t>(taskId) - 1];
}

void Kernel::State::markDeleted(int32_t taskId) {
  if (TaskRecord* record = recordOf(taskId)) {
    record->deleted = true;
    if (!record->endTick) record->endTick = clock.ticks();
  }
}

std::vector<TaskRecord> Kernel::taskRecords() const {
  std::lock_guard guard(state_->mutex);
  return state_->taskHistory;
}

bool Kernel::taskExists(int32_t taskId) const {
  std::lock_guard guard(state_->mutex);
  return state_->tasks.count(taskId) > 0;
}

void Kernel::shutdown() {
  State& s = *state_;
  std::vector<std::shared_ptr<KernelTask>> all;
  {
    std::lock_guard guard(s.mutex);
    s.shutDown = true;
    for (auto& [id, task] : s.tasks) {
      task->deleted = true;
      s.markDeleted(id);
      s.releaseSectionOf(task->threadId);
    }
    s.tasks.clear();
    all.swap(s.threads);
    s.changed.notify_all();
    s.settledChanged.notify_all();
  }
  for (auto& task : all) {
    if (!task->thread.joinable()) continue;
    if (task->thread.get_id() == std::this_thread::get_id())
      task->thread.detach();  // a task ending the host cannot wait for itself
    else
      s.endThread(*task);
  }
}

bool Kernel::awaitTaskEntries(std::chrono::milliseconds limit) {
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  return s.settledChanged.wait_until(guard, std::chrono::steady_clock::now() + limit, [&] {
    return std::all_of(s.threads.begin(), s.threads.end(), [](const auto& t) { return t->finished; });
  });
}

void Kernel::setEndLimit(std::chrono::milliseconds limit) {
  std::lock_guard guard(state_->mutex);
  state_->endLimit = limit;
}

void Kernel::State::endThread(KernelTask& task) {
  std::chrono::milliseconds limit{};
  {
    std::unique_lock guard(mutex);
    limit = endLimit;
    settledChanged.wait_until(guard, std::chrono::steady_clock::now() + limit, [&] { return task.finished; });
  }
  {
    std::lock_guard exit(task.exitMutex);
    // A thread already on its way out finishes at once: wait for it.
    if (!task.exiting) task.abandoned = true;
  }
  if (!task.abandoned) {
    task.thread.join();
    return;
  }
  host.log().host(4, "host end: task " + task.name + " did not end within " + std::to_string(limit.count()) +
                         " ms; its thread is left behind and never touches the host again");
  task.thread.detach();
}

}  // namespace hostsim
