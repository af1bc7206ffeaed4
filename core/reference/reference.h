#pragma once

#include <string>
#include <vector>

// A pointer from the design rationale to an outside document: a report, a web
// page, a drawing, a video, a database record. Copied by value.
class Reference {
public:
    // The type is guessed from the link.
    Reference(const std::string& name, const std::string& description, const std::string& link);
    // A valid type other than "Unknown" is kept; otherwise it is guessed from the link.
    Reference(const std::string& name, const std::string& description, const std::string& link,
              const std::string& type);

    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }
    const std::string& link() const { return link_; }
    std::string type() const { return type_; }

    void set_name(const std::string& name) { name_ = name; }
    void set_description(const std::string& description) { description_ = description; }
    // Keeps the type; set_type("") guesses it again from the new link.
    void set_link(const std::string& link) { link_ = link; }
    void set_type(const std::string& type);

    static bool is_valid_type(const std::string& type);
    static const std::vector<std::string>& possible_types();
    static std::string guess_type(const std::string& link);

    // Hands the link to the desktop after putting it on the clipboard. Web and
    // mail links open directly; files open unless they are programs or scripts;
    // other kinds of links are refused. On failure the reason goes to error_out
    // (when given) and the result is false.
    bool open(std::string* error_out) const;

    // Search text: " " + name + " " + description + " " + link + " " + type.
    std::string get_str() const;

    // The twelve type names in the order of the type chooser ("Presentatiom"
    // is spelt so in project files too).
    static inline const std::vector<std::string> s_possibleTypes{
        "Unknown", "Report", "Document",    "Web Page", "Presentatiom", "Image",
        "Video",   "2D CAD", "3D CAD",      "ReqIF",    "File",         "Database Record"};

private:
    std::string name_;
    std::string description_;
    std::string link_;
    std::string type_;
};
