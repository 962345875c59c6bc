#pragma once
// The controls of the main window that a page request reads and writes.

#include <QString>

namespace sumire {

class RequestHost {
public:
    virtual ~RequestHost() = default;
    virtual QString addressText() const = 0;  // Text1
    virtual void setAddressText(const QString& text) = 0;
    virtual QString sourceText() const = 0;  // Text2
    virtual void setSourceText(const QString& text) = 0;
    virtual void setKeyText(const QString& text) = 0;  // Text3
    virtual QString senderCaption() const = 0;         // Label1(3)
    virtual void setSenderCaption(const QString& text) = 0;
    virtual QString titleCaption() const = 0;  // Label1(6)
    virtual void setTitleCaption(const QString& text) = 0;
    virtual void setGoEnabled(bool enabled) = 0;                                        // Command1
    virtual bool networkMode() const = 0;                                               // Menu002 checked
    virtual QString browserFolder() const = 0;                                          // the file browser's Dir1 path
    virtual void setDownloadItem(int index, const QString& caption, bool enabled) = 0;  // File001(i)
};

// The controls kept as plain values, for a request without a window.
class RequestValues : public RequestHost {
public:
    QString addressText() const override { return text1; }
    void setAddressText(const QString& t) override { text1 = t; }
    QString sourceText() const override { return text2; }
    void setSourceText(const QString& t) override { text2 = t; }
    void setKeyText(const QString& t) override { text3 = t; }
    QString senderCaption() const override { return sender; }
    void setSenderCaption(const QString& t) override { sender = t; }
    QString titleCaption() const override { return title; }
    void setTitleCaption(const QString& t) override { title = t; }
    void setGoEnabled(bool) override {}
    bool networkMode() const override { return network; }
    QString browserFolder() const override { return folder; }
    void setDownloadItem(int, const QString&, bool) override {}

    QString text1, text2, text3, sender, title, folder;
    bool network = false;
};

}  // namespace sumire
