#pragma once
// The parsed form of a form declaration (VCL's text form format), and its
// parser:
//
//   object Form1: TForm1
//     Caption = 'It''s' + #13#10 + 'two lines'
//     Font.Name = 'Arial'
//     Options = [itFull, itCompact]
//     Lines.Strings = ( 'a' 'b' )
//     Picture.Data = { 0A0B }
//     Entries = < item Key = 'x' end item end >
//     object Button1: TButton
//       OnClick = Button1Click
//     end
//   end
//
// Objects may be anonymous (`object TButton`), `inherited` (already made by
// the class) or `inline`. Errors raise EFormDeclarationError naming the line:
// "Line 3: '=' expected".

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/classes/class_registry.h"

class EFormDeclarationError : public EFilerError {
public:
    EFormDeclarationError(int line, const std::string& reason)
        : EFilerError("Line " + std::to_string(line) + ": " + reason), Line(line), Reason(reason) {}
    int Line;
    std::string Reason;
};

struct TFormProperty;

struct TFormValue {
    enum Kind { Integer, Float, String, Ident, Set, List, Binary, Collection };
    Kind kind = Integer;
    int line = 0;
    int64_t integer = 0;
    double number = 0;
    std::string text;                // String, Ident (dotted), Binary bytes
    std::vector<std::string> names;  // Set
    std::vector<TFormValue> items;   // List
    // Collection: one property list per item.
    std::vector<std::vector<TFormProperty>> collectionItems;
    std::vector<int> collectionItemLines;
};

struct TFormProperty {
    std::string name;  // possibly dotted: "Font.Name"
    TFormValue value;
    int line = 0;
};

struct TFormObject {
    enum Kind { Object, Inherited, Inline };
    Kind kind = Object;
    std::string name;  // empty for an anonymous object
    std::string className;
    int line = 0;
    std::vector<TFormProperty> properties;
    std::vector<TFormObject> children;
};

// Parses a whole declaration: one object, then only blanks.
TFormObject ParseFormDeclaration(const std::string& text);
