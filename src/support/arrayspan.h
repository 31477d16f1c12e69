#pragma once

#include <array>
#include <cstddef>
#include <type_traits>
#include <vector>

#include <QList>

// A view of a caller's array with its length: a plain array, std::array, std::vector or
// QList, or a pointer with a count. The operations that fill or read arrays take these so
// they can stop at the end of the caller's storage instead of trusting a separate count.
template <typename T>
class ArraySpan
{
    using Value = std::remove_const_t<T>;

public:
    ArraySpan(T *data, int size) : m_data(data), m_size(size < 0 ? 0 : size) {}
    template <std::size_t N>
    ArraySpan(T (&array)[N]) : m_data(array), m_size(int(N)) {}
    template <std::size_t N>
    ArraySpan(std::array<Value, N> &array) : m_data(array.data()), m_size(int(N)) {}
    template <std::size_t N, typename U = T, typename = std::enable_if_t<std::is_const_v<U>>>
    ArraySpan(const std::array<Value, N> &array) : m_data(array.data()), m_size(int(N)) {}
    ArraySpan(std::vector<Value> &vector) : m_data(vector.data()), m_size(int(vector.size())) {}
    template <typename U = T, typename = std::enable_if_t<std::is_const_v<U>>>
    ArraySpan(const std::vector<Value> &vector) : m_data(vector.data()), m_size(int(vector.size())) {}
    template <typename U, typename = std::enable_if_t<std::is_same_v<const U, T>>>
    ArraySpan(ArraySpan<U> other) : m_data(other.data()), m_size(other.size()) {}
    ArraySpan(QList<Value> &list) : m_data(list.data()), m_size(int(list.size())) {}
    template <typename U = T, typename = std::enable_if_t<std::is_const_v<U>>>
    ArraySpan(const QList<Value> &list) : m_data(list.constData()), m_size(int(list.size())) {}

    T *data() const { return m_data; }
    int size() const { return m_size; }
    T &operator[](int i) const { return m_data[i]; }

private:
    T *m_data;
    int m_size;
};
