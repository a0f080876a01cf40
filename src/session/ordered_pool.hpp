#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kestrova {

// Works through a stream of independent items on several threads and hands the results on in
// the items' order. Items are taken in batches of at most `window`, so memory stays the same
// however long the stream is: `next` gives the next item (nothing at the end), each batch is
// shared by `threads` threads (this one included), then `emit` gets its results in order.
// `work` must touch nothing that another item's work touches. An exception from `work` ends the
// run after the batch's threads have stopped, and is thrown on here.
template <typename Item, typename Result>
void MapInOrder(std::size_t threads, std::size_t window,
                const std::function<std::optional<Item>()>& next,
                const std::function<Result(const Item&)>& work,
                const std::function<void(const Result&)>& emit) {
    window = std::max<std::size_t>(window, 1);
    threads = std::clamp<std::size_t>(threads, 1, window);
    std::vector<Item> items;
    std::vector<Result> results;
    items.reserve(window);
    // Each pass takes at least one item from the stream or ends, so the stream's length bounds it.
    for (;;) {
        items.clear();
        while (items.size() < window) {
            std::optional<Item> item = next();
            if (!item) {
                break;
            }
            items.push_back(std::move(*item));
        }
        if (items.empty()) {
            return;
        }
        results.assign(items.size(), Result{});
        std::atomic<std::size_t> taken{0};
        std::exception_ptr failure;
        std::mutex failureLock;
        const auto worker = [&] {
            for (std::size_t i = taken++; i < items.size(); i = taken++) {
                try {
                    results[i] = work(items[i]);
                } catch (...) {
                    const std::lock_guard lock(failureLock);
                    failure = std::current_exception();
                    taken = items.size();  // the others stop at their next item
                }
            }
        };
        {
            std::vector<std::jthread> helpers;
            const std::size_t helperCount = std::min(threads, items.size()) - 1;
            for (std::size_t t = 0; t < helperCount; ++t) {
                helpers.emplace_back(worker);
            }
            worker();
        }  // the helpers are joined here
        if (failure) {
            std::rethrow_exception(failure);
        }
        for (const Result& result : results) {
            emit(result);
        }
    }
}

}  // namespace kestrova
