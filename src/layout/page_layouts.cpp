#include "page_layouts.h"

#include "taglib/site.h"

namespace taggen::layout {
namespace {

using enum Kind;

// One row per control, as the design tables have them.
// clang-format off

// Items of the drop-down lists, in their stored order.
constexpr std::string_view kColumnKinds[] = {"顶级栏目", "下级栏目", "同级栏目", "下级同级", "第一层级"};
constexpr std::string_view kColumnFields[] = {"下拉选择", "英文名称", "栏目图片", "栏目描述"};
constexpr std::string_view kArticleFlags[] = {"无属性", "头条[h]", "推荐[c]", "特荐[a]", "加粗[b]", "跳转[j]"};
constexpr std::string_view kOrderings[] = {"发布时间", "按点击数", "按排序号", "随机排序"};
constexpr std::string_view kTimeFormats[] = {"时间无显示", "08-08(月-日)", "2018-08-08", "2018-08-08 08:08:08", "08-08 08:08:08(月-日 时:分:秒)", "(月-日 分:秒)", "2018年08月08日", "2018年08月08日 18:30:20"};

// Page 1, "首页标签".
constexpr Control kPage1[] = {
    {"FZ1", GroupBox, "", {12, 27, 352, 104}, "全局标签"},
    {"网站名称", RadioButton, "FZ1", {10, 24, 68, 24}, "网站名称"},
    {"网站logo", RadioButton, "FZ1", {94, 24, 68, 24}, "网站logo"},
    {"网站备案号", RadioButton, "FZ1", {178, 24, 80, 24}, "网站备案号"},
    {"友情链接", RadioButton, "FZ1", {276, 24, 68, 24}, "友情链接"},
    {"网站标题", RadioButton, "FZ1", {10, 64, 68, 24}, "网站标题"},
    {"站点描述", RadioButton, "FZ1", {94, 64, 68, 24}, "站点描述"},
    {"默认关键字", RadioButton, "FZ1", {178, 64, 80, 24}, "默认关键字"},
    {"网站版权", RadioButton, "FZ1", {276, 64, 68, 24}, "网站版权"},
    {"FZ6", GroupBox, "", {362, 27, 258, 104}, "导航栏目生成"},
    {"T", Label, "FZ6", {10, 24, 40, 20}, "栏目ID"},
    {"栏目id内容", EditBox, "FZ6", {56, 24, 34, 20}, ""},
    {"T1", Label, "FZ6", {104, 24, 48, 20}, "栏目属性"},
    {"栏目属性", DropDown, "FZ6", {160, 24, 82, 20}, "", {.items = kColumnKinds}},
    {"T2", Label, "FZ6", {10, 64, 40, 20}, "栏目数"},
    {"栏目个数", EditBox, "FZ6", {56, 64, 34, 20}, ""},
    {"T3", Label, "FZ6", {104, 64, 48, 20}, "其他字段"},
    {"其他字段", DropDown, "FZ6", {160, 64, 82, 20}, "", {.items = kColumnFields}},
    {"FZ2", GroupBox, "", {12, 141, 608, 350}, "首页内容区"},
    {"IMG", PictureBox, "FZ2", {62, 22, 80, 67}, "", {.asset = "style-a.gif"}},
    {"IMG1", PictureBox, "FZ2", {175, 22, 80, 67}, "", {.asset = "style-b.gif"}},
    {"IMG2", PictureBox, "FZ2", {288, 22, 80, 67}, "", {.asset = "style-c.gif"}},
    {"IMG3", PictureBox, "FZ2", {401, 22, 80, 67}, "", {.asset = "style-d.gif"}},
    {"IMG4", PictureBox, "FZ2", {515, 22, 80, 67}, "", {.asset = "style-e.gif"}},
    {"T4", Label, "FZ2", {10, 46, 50, 20}, "文章样式"},
    {"风格1", RadioButton, "FZ2", {78, 87, 71, 24}, "风格一", {.checked = true}},
    {"风格2", RadioButton, "FZ2", {188, 87, 63, 24}, "风格二"},
    {"风格3", RadioButton, "FZ2", {302, 87, 63, 24}, "风格三"},
    {"风格4", RadioButton, "FZ2", {414, 87, 63, 24}, "风格四"},
    {"风格5", RadioButton, "FZ2", {530, 87, 60, 24}, "风格五"},
    {"T5", Label, "FZ2", {10, 120, 40, 20}, "栏目ID"},
    {"栏目id1内容", EditBox, "FZ2", {62, 120, 40, 20}, ""},
    {"T6", Label, "FZ2", {123, 120, 48, 20}, "文章属性"},
    {"文章属性", DropDown, "FZ2", {175, 120, 82, 20}, "", {.items = kArticleFlags}},
    {"T7", Label, "FZ2", {288, 120, 50, 20}, "摘要字数"},
    {"摘要字数", EditBox, "FZ2", {341, 120, 34, 20}, ""},
    {"T8", Label, "FZ2", {401, 120, 50, 20}, "排列方式"},
    {"排列方式", DropDown, "FZ2", {456, 120, 141, 20}, "", {.items = kOrderings}},
    {"T9", Label, "FZ2", {10, 160, 50, 20}, "标题字数"},
    {"标题字数", EditBox, "FZ2", {62, 160, 40, 20}, ""},
    {"T10", Label, "FZ2", {123, 160, 50, 20}, "调用条数"},
    {"调用条数", EditBox, "FZ2", {175, 160, 86, 20}, ""},
    {"T11", Label, "FZ2", {288, 160, 50, 20}, "时间样式"},
    {"时间样式", DropDown, "FZ2", {341, 160, 115, 20}, "", {.items = kTimeFormats}},
    {"文章点击数", RadioButton, "FZ2", {472, 161, 120, 24}, "文章点击数"},
    {"首页结果输出", OutputBox, "FZ2", {10, 194, 586, 145}, ""},
};

// Page 2, "列表标签".
constexpr Control kPage2[] = {
    {"FZ3", GroupBox, "", {12, 27, 416, 170}, "列表页面常用"},
    {"T12", Label, "FZ3", {10, 77, 50, 20}, "标题字数"},
    {"列标题字数", EditBox, "FZ3", {64, 77, 50, 20}, ""},
    {"T13", Label, "FZ3", {131, 77, 50, 20}, "描述字数"},
    {"列描述字数", EditBox, "FZ3", {181, 77, 50, 20}, ""},
    {"T14", Label, "FZ3", {254, 77, 50, 20}, "分页大小"},
    {"列分页大小", EditBox, "FZ3", {306, 77, 50, 20}, ""},
    {"FZ7", GroupBox, "", {436, 27, 184, 170}, "通用标签"},
    {"单选框1", RadioButton, "FZ7", {10, 20, 80, 24}, "内容摘要"},
    {"单选框2", RadioButton, "FZ7", {10, 44, 80, 24}, "当前位置"},
    {"单选框3", RadioButton, "FZ7", {10, 68, 61, 24}, "缩略图"},
    {"单选框4", RadioButton, "FZ7", {10, 92, 74, 24}, "分页标签"},
    {"单选框5", RadioButton, "FZ7", {10, 116, 150, 24}, "当前栏目名称及链接"},
    {"单选框6", RadioButton, "FZ7", {10, 140, 134, 24}, "顶级栏目名称及链接"},
    {"FZ8", GroupBox, "", {12, 201, 205, 100}, "下载模型"},
    {"单选框7", RadioButton, "FZ8", {10, 36, 126, 24}, "下载地址及名称"},
    {"T15", Label, "FZ8", {29, 60, 155, 20}, "代码放在列表循环里面使用", {.tint = Tint::Red}},
    {"FZ9", GroupBox, "", {224, 201, 205, 100}, "留言模型"},
    {"单选框8", RadioButton, "FZ9", {10, 36, 186, 24}, "留言表单及字段调用"},
    {"FZ10", GroupBox, "", {436, 201, 184, 100}, "单页模型"},
    {"单选框10", RadioButton, "FZ10", {10, 38, 118, 24}, "单页栏目内容调用"},
    {"单选框11", RadioButton, "", {13, 308, 95, 24}, "栏目页Title"},
    {"单选框12", RadioButton, "", {122, 308, 110, 24}, "栏目页Keywords"},
    {"单选框13", RadioButton, "", {246, 308, 134, 24}, "栏目页Description"},
    {"单选框14", RadioButton, "", {395, 308, 80, 24}, "Generator"},
    {"列表页面结果输出", OutputBox, "", {12, 339, 608, 152}, ""},
};

// Page 3, "内容标签".
constexpr Control kPage3[] = {
    {"FZ4", GroupBox, "", {12, 27, 608, 83}, "内容通用"},
    {"dx", RadioButton, "FZ4", {10, 20, 80, 24}, "文章标题"},
    {"dx1", RadioButton, "FZ4", {113, 20, 80, 24}, "发布时间"},
    {"dx2", RadioButton, "FZ4", {216, 20, 80, 24}, "文章作者"},
    {"dx3", RadioButton, "FZ4", {319, 20, 80, 24}, "文章主体"},
    {"dx4", RadioButton, "FZ4", {422, 20, 80, 24}, "点击次数"},
    {"dx5", RadioButton, "FZ4", {525, 20, 71, 24}, "文章摘要"},
    {"dx6", RadioButton, "FZ4", {10, 46, 80, 24}, "文章地址"},
    {"dx7", RadioButton, "FZ4", {113, 46, 80, 24}, "文章缩略图"},
    {"dx8", RadioButton, "FZ4", {216, 46, 80, 24}, "栏目名称"},
    {"dx9", RadioButton, "FZ4", {319, 46, 80, 24}, "栏目链接"},
    {"dx10", RadioButton, "FZ4", {422, 46, 80, 24}, "上一篇"},
    {"dx11", RadioButton, "FZ4", {525, 46, 80, 24}, "下一篇"},
    {"FZ11", GroupBox, "", {12, 115, 372, 91}, "产品模型"},
    {"dx100", RadioButton, "FZ11", {10, 33, 128, 32}, "循环调用产品参数"},
    {"FZ12", GroupBox, "", {394, 115, 226, 91}, "图集模型"},
    {"dx12", RadioButton, "FZ12", {10, 33, 134, 24}, "循环调用图集地址"},
    {"FZ13", GroupBox, "", {12, 213, 372, 91}, "全局标签"},
    {"dx13", RadioButton, "FZ13", {8, 33, 100, 24}, "内容页Title"},
    {"dx14", RadioButton, "FZ13", {110, 33, 112, 24}, "内容页Keywords"},
    {"dx15", RadioButton, "FZ13", {225, 33, 129, 24}, "内容页Description "},
    {"T18", Label, "FZ13", {25, 57, 155, 20}, "本页标签只能在内容页使用", {.tint = Tint::Red}},
    {"FZ14", GroupBox, "", {394, 214, 226, 91}, "下载模型"},
    {"dx16", RadioButton, "FZ14", {10, 33, 116, 24}, "循环调用下载列表"},
    {"内容页面结果输出", OutputBox, "", {12, 315, 608, 178}, ""},
};

// Page 4, "商城标签".
constexpr Control kPage4[] = {
    {"FZ17", GroupBox, "", {12, 40, 608, 126}, "商城标签"},
    {"dx43", RadioButton, "FZ17", {10, 20, 130, 24}, "购物车组件外围标签"},
    {"dx42", RadioButton, "FZ17", {241, 20, 80, 24}, "价格标签"},
    {"dx41", RadioButton, "FZ17", {496, 20, 100, 24}, "商品参数标签"},
    {"dx38", RadioButton, "FZ17", {10, 68, 100, 24}, "商品数量标签"},
    {"dx39", RadioButton, "FZ17", {241, 68, 118, 24}, "库存量标签"},
    {"dx40", RadioButton, "FZ17", {496, 68, 100, 24}, "购买按钮标签"},
    {"商城标签结果输出", OutputBox, "", {12, 182, 608, 300}, ""},
};

// Page 5, "其他常用标签".
constexpr Control kPage5[] = {
    {"FZ5", GroupBox, "", {12, 44, 608, 199}, "其他常用标签"},
    {"dx17", RadioButton, "FZ5", {55, 27, 112, 24}, "广告位调用标签"},
    {"dx18", RadioButton, "FZ5", {241, 27, 116, 24}, "首页导航焦点判断"},
    {"dx35", RadioButton, "FZ5", {433, 27, 137, 24}, "tag首页链接标签"},
    {"dx19", RadioButton, "FZ5", {55, 62, 141, 24}, "是否有子栏目判断"},
    {"dx20", RadioButton, "FZ5", {241, 62, 156, 24}, "每隔N行输出内容判断"},
    {"dx23", RadioButton, "FZ5", {55, 97, 126, 24}, "PC模板目录路径"},
    {"dx22", RadioButton, "FZ5", {241, 97, 146, 24}, "Moblie模板目录路径"},
    {"dx21", RadioButton, "FZ5", {55, 133, 123, 24}, "应用插件标签"},
    {"dx32", RadioButton, "FZ5", {241, 133, 119, 24}, "多语言列表标签"},
    {"dx33", RadioButton, "FZ5", {55, 164, 137, 24}, "搜索功能标签"},
    {"dx34", RadioButton, "FZ5", {241, 164, 137, 24}, "会员中心登录标签"},
    {"FZ15", GroupBox, "", {12, 243, 608, 250}, ""},
    {"其他标签输出", OutputBox, "FZ15", {4, 10, 600, 235}, ""},
};

// Page 6, "可视编辑标签".
constexpr Control kPage6[] = {
    {"FZ16", GroupBox, "", {12, 44, 608, 199}, "可视编辑标签"},
    {"dx24", RadioButton, "FZ16", {55, 27, 177, 24}, "uitype 单个栏目可视化标签"},
    {"dx25", RadioButton, "FZ16", {329, 27, 255, 24}, "uichannel菜单导航可视化标签"},
    {"dx26", RadioButton, "FZ16", {55, 62, 193, 24}, "uiarclist 文档列表可视化标签"},
    {"dx27", RadioButton, "FZ16", {329, 62, 199, 24}, "uiupload 图片上传可视化标签"},
    {"dx30", RadioButton, "FZ16", {55, 97, 193, 24}, "Adv 广告位可视编辑标签"},
    {"dx29", RadioButton, "FZ16", {329, 97, 191, 24}, "uihtml 富文本可视化标签"},
    {"dx28", RadioButton, "FZ16", {55, 133, 193, 24}, "uitext 纯文本可视化标签"},
    {"dx31", RadioButton, "FZ16", {329, 133, 193, 24}, "可视化编辑开启标签"},
    {"可视标签输出", OutputBox, "", {13, 249, 600, 235}, ""},
};

// Page 7, "常见问题": the questions stand level with their buttons, 24 pixels apart.
#define TAGGEN_HELP_ARTICLE(number) "https://" TAGGEN_SITE_HOST "/help/zavojq/" #number ".html"
constexpr Control kPage7[] = {
    {"分组框1", GroupBox, "", {12, 44, 608, 450}, ""},
    {"标签2", Label, "分组框1", {8, 18, 376, 416},
    "(1)如何对描述字符description限制字数\r\n\r\n"
    "(2)list判断每隔2次输出内容\r\n\r\n"
    "(3)首页、列表页调用文章content内容的方法\r\n\r\n"
    "(4)如何调用指定栏目名称和链接地址\r\n\r\n"
    "(5)在其它页面调用单页文章内容的方法\r\n\r\n"
    "(6)如何让友情链接分别在首页、列表页、内容页显示\r\n\r\n"
    "(7)导航调用三级栏目的方法\r\n\r\n"
    "(8)友情链接判断是否新窗口打开\r\n\r\n"
    "(9)搜索功能的调用代码\r\n\r\n"
    "(10)列表分页样式的修改\r\n\r\n"
    "(11)导航菜单判断是否有子栏目，有则显示否则隐藏（二级菜单调用）\r\n\r\n"
    "(12)自增标签循环+1的方法\r\n\r\n"
    "(13)栏目如何添加自定义字段\r\n\r\n"
    "(14)如何获取顶级栏目（名称，链接，英文名称）",
     {.wraps = true}},
    {"按钮1", PushButton, "分组框1", {500, 12, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(638)}},
    {"按钮2", PushButton, "分组框1", {500, 36, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(637)}},
    {"按钮3", PushButton, "分组框1", {500, 60, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(641)}},
    {"按钮4", PushButton, "分组框1", {500, 84, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(642)}},
    {"按钮5", PushButton, "分组框1", {500, 108, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(645)}},
    {"按钮6", PushButton, "分组框1", {500, 132, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(677)}},
    {"按钮7", PushButton, "分组框1", {500, 156, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(662)}},
    {"按钮8", PushButton, "分组框1", {500, 180, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(661)}},
    {"按钮9", PushButton, "分组框1", {500, 204, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(660)}},
    {"按钮10", PushButton, "分组框1", {500, 228, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(654)}},
    {"按钮11", PushButton, "分组框1", {500, 252, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(646)}},
    {"按钮12", PushButton, "分组框1", {500, 276, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(652)}},
    {"按钮13", PushButton, "分组框1", {500, 300, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(934)}},
    {"按钮14", PushButton, "分组框1", {500, 324, 80, 20}, "点击查看", {.address = TAGGEN_HELP_ARTICLE(932)}},
    {"按钮16", PushButton, "分组框1", {232, 378, 150, 32}, "我还有其他问题", {.address = "https://" TAGGEN_SITE_HOST "/ask/"}},
};
#undef TAGGEN_HELP_ARTICLE

// Page 8, "关于泽沃": each label stands to the left of the link it names.
constexpr Control kPage8[] = {
    {"guanurl", Label, "", {100, 125, 80, 36}, "泽沃官方网站："},
    {"泽沃网站", HyperlinkBox, "", {196, 126, 168, 32}, "", {.address = "http://" TAGGEN_SITE_HOST}},
    {"guanurl1", Label, "", {100, 160, 80, 36}, "泽沃帮助手册："},
    {"泽沃网站1", HyperlinkBox, "", {211, 160, 168, 32}, "", {.address = "http://" TAGGEN_SITE_HOST "/doc/"}},
    {"guanurl2", Label, "", {100, 195, 80, 36}, "泽沃模板风格："},
    {"泽沃网站2", HyperlinkBox, "", {208, 197, 187, 32}, "", {.address = "http://" TAGGEN_SITE_HOST "/moban/"}},
    {"标签3", Label, "", {100, 230, 80, 36}, "购买泽沃授权："},
    {"超级链接框1", HyperlinkBox, "", {204, 238, 187, 24}, "https://" TAGGEN_SITE_HOST "/buy/",
     {.address = "https://" TAGGEN_SITE_HOST "/buy/"}},
    {"标签1", Label, "", {92, 318, 336, 32}, "泽沃用户交流⑤群：608547321   授权用户支持群：715390462"},
};
// clang-format on

constexpr Page kPages[] = {
    {"首页标签", kPage1},     {"列表标签", kPage2},     {"内容标签", kPage3}, {"商城标签", kPage4},
    {"其他常用标签", kPage5}, {"可视编辑标签", kPage6}, {"常见问题", kPage7}, {"关于泽沃", kPage8},
};

}  // namespace

std::span<const Page> pages() {
    return kPages;
}

const Control* find_control(std::string_view name) {
    for (const Page& page : kPages)
        for (const Control& control : page.controls)
            if (control.name == name) return &control;
    return nullptr;
}

}  // namespace taggen::layout
