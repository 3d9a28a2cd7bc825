#include "toolkit/portable/work_schedule.h"

#include <algorithm>

namespace toolkit {
namespace {

bool Come(std::uint32_t time, std::uint32_t now) { return static_cast<std::int32_t>(time - now) <= 0; }

}  // namespace

Work_Schedule::Entry* Work_Schedule::Find(Work work) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.Id == work; });
  return found == entries_.end() ? nullptr : &*found;
}

bool Work_Schedule::Has(Work work) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.Id == work; });
}

void Work_Schedule::Start(Work work, std::uint32_t now) {
  const Entry fresh{work, now, false};
  if (Entry* const found = Find(work))
    *found = fresh;
  else
    entries_.push_back(fresh);
}

void Work_Schedule::Stop(Work work) {
  std::erase_if(entries_, [&](const Entry& e) { return e.Id == work; });
}

std::vector<Work_Schedule::Work> Work_Schedule::Due(std::uint32_t now) const {
  std::vector<Work> due;
  for (const Entry& e : entries_)
    if (!e.Waiting && Come(e.Due, now)) due.push_back(e.Id);
  return due;
}

void Work_Schedule::Stepped(Work work, Next_Step next, std::uint32_t now) {
  Entry* const e = Find(work);
  if (!e) return;
  if (next.Finished) return Stop(work);
  const bool on_signal = next.Wait_Ms == Next_Step::Forever;
  *e = {work, now + (on_signal ? 0 : next.Wait_Ms), on_signal};
}

Work_Schedule::Wait Work_Schedule::Next_Wait(std::uint32_t now) const {
  std::uint32_t ms = Next_Step::Forever;
  for (const Entry& e : entries_)
    if (!e.Waiting) ms = std::min(ms, Come(e.Due, now) ? 0 : e.Due - now);
  if (polling_) return {std::min(ms, Poll_Ms), false};
  return {ms, true};
}

std::vector<Work_Schedule::Work> Work_Schedule::Works() const {
  std::vector<Work> works;
  for (const Entry& e : entries_) works.push_back(e.Id);
  return works;
}

void Work_Schedule::Woken(Woke how, std::uint32_t now, Work signalled) {
  for (Entry& e : entries_) {
    const bool due = how == Woke::Failed ||                                  // it may have missed anything
                     (e.Waiting && polling_) ||                              // the handles were not watched
                     (how == Woke::Signalled && e.Id == signalled);
    if (due) e = {e.Id, now, false};
  }
  polling_ = how == Woke::Failed;
}

}  // namespace toolkit
