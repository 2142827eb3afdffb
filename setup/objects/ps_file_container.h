#pragma once
// TpsFileContainer: the path specifier that names a file container's
// destination, so that registry entries and links can point into it. Every
// file container but the install driver makes one when created
// ("psFileContainer", or with the smallest free number); one declared in a
// form takes the place of that one when the form is loaded.
//
// A name given to it that another component of the owner holds is taken
// from that component, which is renamed "nameClash" + a counter.

#include <string>

#include "paths/cmp_TPathSpecifier.h"

class TFileContainer;

class TpsFileContainer : public TCustomPathSpecifier {
public:
    explicit TpsFileContainer(TComponent* owner);
    std::string ClassName() const override { return "TpsFileContainer"; }

    void SetName(const std::string& name) override;

    // File containers, groups and install files may not use it.
    void CheckObject(TComponent* object) override;
    std::string GetDescription() override;
    std::string GetPath(TComponent* object) override;
    std::string GetShortName() override;

    TFileContainer* FileContainer() const { return fileContainer_; }
    void SetFileContainer(TFileContainer* container);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TFileContainer* fileContainer_ = nullptr;
};
