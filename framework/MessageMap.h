// Message maps: a dialog class routes messages through a static table of
// {message, notification code, control id, handler}, looked up in order.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <type_traits>

// What a message handler gives back: a result, or nothing so that the message goes on to
// the default handling of dialogs.
using MessageResult = std::optional<LRESULT>;

template <class T>
struct MessageMapEntry {
  UINT message;
  UINT code;  // notification code, for WM_COMMAND only
  UINT id;    // control id, for WM_COMMAND only
  MessageResult (T::*onMessage)(WPARAM, LPARAM);
  void (T::*onCommand)();
};

template <class T>
constexpr MessageMapEntry<T> OnMessage(UINT message, MessageResult (T::*handler)(WPARAM, LPARAM)) {
  return {message, 0, 0, handler, nullptr};
}

template <class T>
constexpr MessageMapEntry<T> OnCommand(UINT code, UINT id, void (T::*handler)()) {
  return {WM_COMMAND, code, id, nullptr, handler};
}

// The first entry that matches handles the message; nothing matching passes it on.
template <class T>
MessageResult RouteMessage(T& target, std::type_identity_t<std::span<const MessageMapEntry<T>>> map,
                           UINT message, WPARAM wParam, LPARAM lParam) {
  for (const MessageMapEntry<T>& entry : map) {
    if (entry.message != message) continue;
    if (message != WM_COMMAND) return (target.*entry.onMessage)(wParam, lParam);
    if (HIWORD(wParam) == entry.code && LOWORD(wParam) == entry.id) {
      (target.*entry.onCommand)();
      return 0;
    }
  }
  return std::nullopt;
}
