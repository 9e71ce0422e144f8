#pragma once

#include <QPointer>
#include <QWidget>

#include <map>

class QLabel;
class QAbstractButton;
class PictureBox;

// Copies what a newly loaded control array element takes over from element
// 0: geometry, font, colours, cursor, tooltip, tag, enabled state, and the
// text, picture and drawing state of the kinds that have them.
void CopyControlProperties(const QWidget &from, QWidget &to);
void CopyControlProperties(const QLabel &from, QLabel &to);
void CopyControlProperties(const QAbstractButton &from, QAbstractButton &to);
void CopyControlProperties(const PictureBox &from, PictureBox &to);

// Controls sharing one name, told apart by index. The designed elements are
// set by the window when it builds its controls; Load(n) creates element n as
// a copy of element 0, hidden and in front; Unload(n) destroys it.
// Elements destroyed with their window drop out by themselves.
template <class T>
class ControlArray
{
public:
    // A designed element (present whenever the window is loaded).
    void SetDesigned(int index, T *control)
    {
        elements[index] = Element{control, true};
    }

    // Creates element n from element 0. Loading an index that exists, or
    // loading without an element 0, does nothing and returns what is there.
    T *Load(int index)
    {
        prune();
        if (T *existing = (*this)[index])
            return existing;
        T *first = (*this)[0];
        if (!first)
            return nullptr;
        T *control = new T(first->parentWidget());
        CopyControlProperties(*first, *control);
        control->hide();
        control->raise();
        elements[index] = Element{control, false};
        return control;
    }

    // Destroys a loaded element; designed elements stay.
    void Unload(int index)
    {
        auto it = elements.find(index);
        if (it == elements.end() || it->second.designed)
            return;
        delete it->second.control.data();
        elements.erase(it);
    }

    // Forgets every element (the window's controls are being rebuilt).
    void Clear() { elements.clear(); }

    T *operator[](int index) const
    {
        auto it = elements.find(index);
        return it == elements.end() ? nullptr : it->second.control.data();
    }
    bool Exists(int index) const { return (*this)[index] != nullptr; }

    int Count() const
    {
        int n = 0;
        for (const auto &e : elements)
            if (e.second.control)
                ++n;
        return n;
    }
    // Highest index present, -1 when empty.
    int UBound() const
    {
        for (auto it = elements.rbegin(); it != elements.rend(); ++it)
            if (it->second.control)
                return it->first;
        return -1;
    }

private:
    struct Element {
        QPointer<T> control;
        bool designed = false;
    };

    void prune()
    {
        for (auto it = elements.begin(); it != elements.end();)
            it = it->second.control ? std::next(it) : elements.erase(it);
    }

    std::map<int, Element> elements;
};
