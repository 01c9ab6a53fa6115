// Texts of the model message codes -101 to -197.
#include "model/pbaccess_msgtext.h"

namespace zeph {
namespace {

struct CodeText {
  int code;
  const char* text;
};

constexpr CodeText kTexts[] = {
    {-101, "Structure member not found"},
    {-102, "Out of memory"},
    {-103, "The specified name is not valid.\nPlease reenter the name starting with a letter\nand containing only letters, numbers or the underscore character '_'."},
    {-104, "The specified name is not valid.\nPlease reenter the name starting with a letter\nand containing only letters, numbers or the underscore character '_'."},
    {-105, "You must select a VavurOrezo type"},
    {-106, "You must select a data type"},
    {-107, "Size is not within the acceptable range (2 - 1000)"},
    {-108, "You must select a variable"},
    {-109, "This variable can not be deleted because its being used in a VavurOrezo or Voice Sentence or Vellafax document"},
    {-110, "This variable can not be deleted because it is a system variable, structure member or VavurOrezo"},
    {-111, "Structure members may not be deleted"},
    {-112, "This structure definition can not be deleted or edited because there are variables of this type"},
    {-113, "You must select a structure definition before performing this operation"},
    {-114, "Structure member name contains invalid characters"},
    {-115, "You must select a structure field"},
    {-116, "You can not have a structure which has no fields. Do you want to delete: "},
    {-117, "Structure name is invalid: it either is a keyword, has invalid characters, or the name is in use"},
    {-118, "Can not delete this Voice Sentence because it is in use"},
    {-119, "No Voice Sentence selected"},
    {-120, "You can not select a structure member reference (@Variable); Double-click on it to see the structure members"},
    {-121, "The specified directory or file is too long; directories <= 47, files <= 12"},
    {-122, "You must end the directory definition with a '\\'"},
    {-123, "The specified drive is invalid; (A - Z)"},
    {-124, "The specified directory or file is invalid"},
    {-125, "You must select a Voice Sentence type and directory"},
    {-126, "You must select a prompt"},
    {-127, "Prompt specification is invalid or does not exist"},
    {-128, "You must have at least one prompt; Do you wish to delete it?"},
    {-129, "You must have at least one prompt; Do you wish to delete it?"},
    {-130, "You must specify a full filespec for Index and Fullfile types"},
    {-131, "Can not delete this structure member because its in use"},
    {-132, "Can not exit from a structure with no members; also, the structure can not be deleted because it is being referenced"},
    {-133, "Can not exit from an empty Voice Sentence; also, the Voice Sentence can not be deleted because it is being referenced"},
    {-134, "The format specified for the number is invalid"},
    {-135, "The number specified is out of range or invalid"},
    {-136, "To set up structure members, double-click on the selected item"},
    {-137, "You can not set up this structure.  If the same variable name exists with a preceding '@', double-click on it to set up the structure members"},
    {-138, "You can not set up this structure or symbol type"},
    {-139, "Date must be in format: YYYYMMDDHHMMSS, and > 00:00:00 Jan 1, 1980 "},
    {-140, "Warning: editing this structure will erase any setup information for variables of this type; Choose YES to cancel the operation"},
    {-141, "A 'FullFileVoice' Voice Sentence can not be edited"},
    {-142, "You must select a type and directory before performing this operation"},
    {-143, "The value in the entry field must be a constant"},
    {-144, "The value in the entry field must be a valid symbol"},
    {-145, "The entry field does not contain a valid symbol or constant"},
    {-146, "The numeric value in the entry field is not within the acceptable range"},
    {-147, "The variable does not exist or is not a valid type"},
    {-148, "The variable name is too long (variables: 15, structure fields: 31)"},
    {-149, "The name can not be used because it is a reserved word or system variable name"},
    {-150, "The VavurOrezo does not exist yet, do you want to continue?"},
    {-151, "The string constant is too long"},
    {-152, "The size for the structure member name is too large; <= 14"},
    {-153, "The structure member name is in use"},
    {-154, "The structure name is too long; <= 14"},
    {-155, "The data type specified does not allow constants"},
    {-156, "Error writing file, check to see if disk is full or busy"},
    {-157, "Internal Error #1, contact the technical support staff"},
    {-158, "The (.ED) file is corrupt or invalid"},
    {-159, "Warning: VMenu should have at least one goto-on-key"},
    {-160, "File exists, overwrite it?"},
    {-161, "Are you sure you want to overwrite the file ?"},
    {-162, "Error reading file"},
    {-163, "No row and column"},
    {-164, "Value must be valid digits (0-9)"},
    {-165, "Value must be alphanumeric (a-z) or (A-Z) or (0-9)"},
    {-166, "An index must be between 1 and 999"},
    {-167, "A structure with this name already exists"},
    {-168, "The specified name is either invalid or currently in use."},
    {-169, "File has an invalid version number"},
    {-170, "Can not delete this Custom VavurOrezo because it is in use"},
    {-171, "A Custom VavurOrezo with this name already exists"},
    {-172, "You must first close the outstanding edit window before performing this operation"},
    {-173, "You must first save the document before performing this operation"},
    {-174, "There are incomplete VavurOrezos, do you still want to build a program?"},
    {-175, "To add a VavurOrezo, close windows and choose 'Add' from the VavurOrezo Menu"},
    {-176, "You must completely specify the voice sentence phrase before inserting or updating"},
    {-177, "No File Selected"},
    {-178, "This SuperBlock can not be deleted because it is still in use."},
    {-179, "A goto with this name already exists"},
    {-180, "Internal Error #2, contact the technical support staff"},
    {-181, "A maximum of 10 variables and voice sentences may be set on SuperBlock call"},
    {-182, "A maximum of 40 End Block VavurOrezos are allowed in a SuperBlock"},
    {-183, "A SuperBlock can not be called from itself"},
    {-184, "End Block VavurOrezos may not be added or deleted on verify SuperBlock"},
    {-185, "End Block VavurOrezos may not be added to Main"},
    {-186, "Use Define|Verification Blocks to create a new Verification Block"},
    {-187, "Use Define|Verification Blocks to delete a Verification Block"},
    {-188, "VavurOrezo %s can not be automatically converted to this version of the product."},
    {-189, "The index is not within the acceptable range (%d - %d)."},
    {-190, "You can not set up an array or a member of an array"},
    {-191, "Invalid array index"},
    {-192, "Date must be in format: YYYYMMDDHHMMSS"},
    {-193, "Choose a number between 1-12 for Month"},
    {-194, "Choose a number between 1-31 for Day of Month"},
    {-195, "Choose a number between 0-23 for Hour"},
    {-196, "Choose a number between 0-59 for Minute"},
    {-197, "Choose a number between 0-59 for Second"},
};

}  // namespace

const char* PBMessageText(int code) {
  for (const CodeText& t : kTexts) {
    if (t.code == code) return t.text;
  }
  return "";
}

}  // namespace zeph
