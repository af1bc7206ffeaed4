#include <pugixml.hpp>

#include "core/constants/gcc.h"
#include "core/io/project_file_names.h"
#include "core/io/xml_values.h"
#include "core/model/file_node.h"
#include "core/model/project.h"
#include "core/settings/read_file.h"
#include "core/settings/xml_element_text.h"
#include "core/text/number_format.h"
#include "core/text/text_utils.h"

// Merges the comments of another file of the same project (same uids) into
// this one; every other value of that file is ignored.
std::string FileNode::add_comments_from_file(const std::string& dir, const std::string& name) {
    using namespace project_file;
    const std::string path = dir + "/" + name;
    const settings_io::FileContent file = settings_io::read_regular_file(path);
    if (!file.error.empty()) return file.error;
    pugi::xml_document doc;
    if (!doc.load_buffer(file.content.data(), file.content.size(), xml_reading::parse_options, pugi::encoding_auto))
        return "Parse error when reading file: " + path;
    // Only comments are taken; what the file holds besides is not reported.
    ReadReport report;

    int added = 0;
    NodeList changed;
    for (const pugi::xml_node element : doc.child(DEFAULT_ROOT_EL_NAME).children()) {
        Node* node = _get_pointer_to_node_with_uid(text_of(element, DEFAULT_UID_ATT_NAME, report));
        if (!node) continue;
        // Comments the object had before this element; repeats within the
        // element are all added.
        const std::vector<std::string> authors = node->get_authors();
        const std::vector<std::string> texts = node->get_comments();
        for (const pugi::xml_node comment : element.child(COMMENTS_TAG).children(COMMENT_TAG)) {
            // A comment without author is added under the current user: as
            // such it is known after a first import.
            std::string author = text_of(comment, COMMENT_AUTHOR_TAG, report);
            if (author.empty()) author = MyStrF::find_current_user_name();
            const std::string content = text_of(comment, COMMENT_CONTENT_TAG, report);
            bool known = false;
            for (size_t i = 0; i < authors.size() && i < texts.size() && !known; ++i)
                known = authors[i] == author && texts[i] == content;
            if (known) continue;
            node->add_comment(author, content);
            ++added;
            changed.push_back(node);
        }
    }
    if (!GCC::RP) return "No Project available to add the comments to.";
    // Nothing added, nothing to undo.
    if (!changed.empty()) GCC::RP->add_uids_state(changed);
    return MyStrF::_intToStringWithLength(added, 1) + " Comments have been added from the file.";
}
