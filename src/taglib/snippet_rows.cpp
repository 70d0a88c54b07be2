#include "shared_texts.h"
#include "site.h"
#include "snippet_catalogue.h"

namespace taggen {
namespace {

// Texts are byte-exact: CR LF line breaks, trailing spaces, TABs, U+3000 and
// full-width punctuation all reach the user's templates as they stand here.
// clang-format off
constexpr SnippetRow kRows[] = {
    {TagPage::Home, "FZ1", "全局标签", "网站名称", "网站名称",
            "{zavo:global name='web_name' /}"},
    {TagPage::Home, "FZ1", "全局标签", "网站logo", "网站logo",
            "{zavo:global name='web_logo' /}"},
    {TagPage::Home, "FZ1", "全局标签", "网站备案号", "网站备案号",
            "{zavo:global name='web_recordnum' /}"},
    {TagPage::Home, "FZ1", "全局标签", "友情链接", "友情链接",
            "{zavo:flink type='text' row='100' titlelen='20'} \r\n"
            "<a href=\"{$field.url}\" {$field.target}>{$field.title}</a>\r\n"
            "{/zavo:flink}"},
    {TagPage::Home, "FZ1", "全局标签", "网站标题", "网站标题",
            "{zavo:global name='web_title' /}"},
    {TagPage::Home, "FZ1", "全局标签", "站点描述", "站点描述",
            "{zavo:global name='web_description' /}"},
    {TagPage::Home, "FZ1", "全局标签", "默认关键字", "默认关键字",
            "{zavo:global name='web_keywords' /}"},
    {TagPage::Home, "FZ1", "全局标签", "网站版权", "网站版权",
            "{zavo:global name='web_copyright' /}"},
    {TagPage::Home, "FZ2", "首页内容区", "文章点击数", "文章点击数",
            "{$field.click}"},
    {TagPage::List, "FZ7", "通用标签", "单选框1", "内容摘要",
            "{$field.seo_descriptionx}"},
    {TagPage::List, "FZ7", "通用标签", "单选框2", "当前位置",
            "{zavo:position style=' ' /}"},
    {TagPage::List, "FZ7", "通用标签", "单选框3", "缩略图",
            shared_text::kFieldLitpic},
    {TagPage::List, "FZ7", "通用标签", "单选框4", "分页标签",
            "{zavo:pagelist listitem='index,pre,pageno,next,end' listsize='2' /}"},
    {TagPage::List, "FZ7", "通用标签", "单选框5", "当前栏目名称及链接",
            "<a href=\"{$zavo.field.typeurl}\">{$zavo.field.typename}</a>"},
    {TagPage::List, "FZ7", "通用标签", "单选框6", "顶级栏目名称及链接",
            "<a href=\"{$zavo.field.typeid|gettoptype=###,'typeurl'}\">{$zavo.field.typeid|gettoptype=###,'typename'}</a>"},
    {TagPage::List, "FZ8", "下载模型", "单选框7", "下载地址及名称",
            "{zavo:volist name=\"$field.file_list\" id=\"vo\" row=\"6\"}\r\n"
            "<a href='{$vo.downurl}'>{$vo.title}</a>\r\n"
            "{/zavo:volist}"},
    {TagPage::List, "FZ9", "留言模型", "单选框8", "留言表单及字段调用",
            "{zavo:guestbookform type='default'}\r\n"
            "<form method=\"POST\"  {$field.formhidden} action=\"{$field.action}\" onsubmit=\"{$field.submit}\">\r\n"
            "字段名称：{$field.itemname_自定义字段1}\r\n"
            "字段值：{$field.attr_自定义字段1} \r\n"
            "表单判断：id='attr_自定义字段1'\r\n"
            "{$field.hidden}\r\n"
            "</form>\r\n"
            "{/zavo:guestbookform}"},
    {TagPage::List, "FZ10", "单页模型", "单选框10", "单页栏目内容调用",
            shared_text::kColumnContent},
    {TagPage::List, "", "", "单选框11", "栏目页Title",
            shared_text::kSeoTitle},
    {TagPage::List, "", "", "单选框12", "栏目页Keywords",
            shared_text::kSeoKeywords},
    {TagPage::List, "", "", "单选框13", "栏目页Description",
            shared_text::kSeoDescription},
    {TagPage::List, "", "", "单选框14", "Generator",
            "<meta name=\"generator\" content=\"vedozid\" data-variable=\"{zavo:global name='web_vedozid' /}\" />"},
    {TagPage::Content, "FZ4", "内容通用", "dx", "文章标题",
            "{$zavo.field.title}"},
    {TagPage::Content, "FZ4", "内容通用", "dx1", "发布时间",
            "{$zavo.field.add_time|MyDate='Y-m-d H:i:s',###}"},
    {TagPage::Content, "FZ4", "内容通用", "dx2", "文章作者",
            "{$zavo.field.author}"},
    {TagPage::Content, "FZ4", "内容通用", "dx3", "文章主体",
            shared_text::kColumnContent},
    {TagPage::Content, "FZ4", "内容通用", "dx4", "点击次数",
            "{zavo:arcclick /}"},
    {TagPage::Content, "FZ4", "内容通用", "dx5", "文章摘要",
            "{$zavo.field.seo_description}"},
    {TagPage::Content, "FZ4", "内容通用", "dx6", "文章地址",
            "{$zavo.field.pageurl}"},
    {TagPage::Content, "FZ4", "内容通用", "dx7", "文章缩略图",
            "{$zavo.field.litpic}"},
    {TagPage::Content, "FZ4", "内容通用", "dx8", "栏目名称",
            "{$zavo.field.typename}"},
    {TagPage::Content, "FZ4", "内容通用", "dx9", "栏目链接",
            "{$zavo.field.typeurl}"},
    {TagPage::Content, "FZ4", "内容通用", "dx10", "上一篇",
            "{zavo:prenext get='pre'}\r\n"
            "  <a href=\"{$field.arcurl}\" title=\"{$field.title}\" class=\"page-link\"> 上一篇 <span>: {$field.title}</span> </a>  \r\n"
            "{zavo:else /}\r\n"
            "  <a class=\"page-link\">上一篇：没有了</a>\r\n"
            "{/zavo:prenext}\r\n"},
    {TagPage::Content, "FZ4", "内容通用", "dx11", "下一篇",
            "{zavo:prenext get='next'}\r\n"
            "  <a href=\"{$field.arcurl}\" title=\"{$field.title}\" class=\"page-link\"> 下一篇 <span>: {$field.title}</span> </a>\r\n"
            "{zavo:else /} \r\n"
            "  <a class=\"page-link\">下一篇：没有了</a>\r\n"
            "{/zavo:prenext}\r\n"},
    {TagPage::Content, "FZ11", "产品模型", "dx100", "循环调用产品参数",
            "{zavo:attribute type='newattr' attrid='$zavo.field.attrlist_id'}\r\n"
            "   {$attr.name}:{$attr.value}\r\n"
            "{/zavo:attribute}"},
    {TagPage::Content, "FZ12", "图集模型", "dx12", "循环调用图集地址",
            "{zavo:volist name=\"$zavo.field.image_list\"}\r\n"
            "<img src=\"{$field.image_url}\" alt=\"{$zavo.field.title}\">\r\n"
            "{/zavo:volist}"},
    {TagPage::Content, "FZ13", "全局标签", "dx13", "内容页Title",
            shared_text::kSeoTitle},
    {TagPage::Content, "FZ13", "全局标签", "dx14", "内容页Keywords",
            shared_text::kSeoKeywords},
    {TagPage::Content, "FZ13", "全局标签", "dx15", "内容页Description ",
            shared_text::kSeoDescription},
    {TagPage::Content, "FZ14", "下载模型", "dx16", "循环调用下载列表",
            "{zavo:volist name=\"$zavo.field.file_list\" id=\"field\"}\r\n"
            "<a href=\"{$field.downurl}\" title=\"{$field.file_name}\">{$field.file_name}</a>\r\n"
            "{/zavo:volist}\r\n"},
    {TagPage::Shop, "FZ17", "商城标签", "dx43", "购物车组件外围标签",
            "<!--购物车组件start--> \r\n"
            "{zavo:sppurchase id='field' currentstyle='btn-danger'} \r\n"
            "    <!--购物车的标签请放在这里如--> \r\n"
            "    <!--例如：价格标签，商品参数标签，数量标签，库存量标签，购买按钮标签--> \r\n"
            "    {$field.hidden} \r\n"
            "{/zavo:sppurchase} \r\n"
            "<!--购物车组件end-->"},
    {TagPage::Shop, "FZ17", "商城标签", "dx42", "价格标签",
            "<div class=\"zv-price\"><span>￥{$field.users_price}</span> </div>"},
    {TagPage::Shop, "FZ17", "商城标签", "dx41", "商品参数标签",
            "{zavo:volist name=\"$field.ReturnData\" id='field2'} \r\n"
            "        <div class=\"row\"> \r\n"
            "            <label class=\"col-sm-7\">{$field2.spec_name}</label> \r\n"
            "            <div class=\"col-sm-10\"> \r\n"
            "            {zavo:volist name=\"$field2.spec_value\" id='field3'} \r\n"
            "              <a href=\"JavaScript:void(0);\" {$field3.SpecData}               class=\"btn {$field3.SpecClass}\">{$field3.spec_value}</a> \r\n"
            "            {/zavo:volist} \r\n"
            "            </div> \r\n"
            "        </div> \r\n"
            "{/zavo:volist}\r\n"},
    {TagPage::Shop, "FZ17", "商城标签", "dx38", "商品数量标签",
            "<div class=\"zv-number\"> \r\n"
            "        <label>数量</label> \r\n"
            "        <div class=\"btn-input\"> \r\n"
            "            <button class=\"layui-btn\" {$field.ReduceQuantity}>-</button> \r\n"
            "            <input type=\"text\" class=\"layui-input\" {$field.UpdateQuantity}> \r\n"
            "            <button class=\"layui-btn\" {$field.IncreaseQuantity}>+</button> \r\n"
            "        </div> \r\n"
            "</div> \r\n"},
    {TagPage::Shop, "FZ17", "商城标签", "dx39", "库存量标签",
            "<span {$field.stock_show}>库存量：{$field.stock_count} 件</span> "},
    {TagPage::Shop, "FZ17", "商城标签", "dx40", "购买按钮标签",
            "<div class=\"zv-buyaction\"> \r\n"
            "        <a class=\"zv-joinin\" href=\"JavaScript:void(0);\" {$field.ShopAddCart}>加入购物车</a> \r\n"
            "        <a class=\"zv-joinbuy\" href=\"JavaScript:void(0);\" {$field.BuyNow}>立即购买</a> \r\n"
            "    </div>\r\n"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx17", "广告位调用标签",
            "{zavo:adv pid='广告位置ID' }\r\n"
            " <li><a href=\"{$field.links}\"><img src=\"{$field.litpic}\" alt=\"{$field.title}\" /></a></li>\r\n"
            "{/zavo:adv}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx18", "首页导航焦点判断",
            "{zavo:eq name='$Request.param.m' value='Index'}class=\"on\"{/zavo:eq}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx35", "tag首页链接标签",
            "{zavo:diyurl type='tags' /}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx19", "是否有子栏目判断",
            "{zavo:notempty name=\"$field.children\"}\r\n"
            "子栏目内容\r\n"
            "{/zavo:notempty}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx20", "每隔N行输出内容判断",
            "{zavo:arclist typeid='文档ID' limit='0,10' mod='每隔几条'}\r\n"
            "{zavo:eq name='mod' value='0'}<li></li>{/zavo:eq}\r\n"
            "<a href='{$field.arcurl}'>{$field.title}</a>\r\n"
            "{/zavo:arclist}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx23", "PC模板目录路径",
            "{zavo:global name='web_templets_pc' /}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx22", "Moblie模板目录路径",
            "{zavo:global name='web_templets_m' /}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx21", "应用插件标签",
            "{zavo:weapp type='default' /}"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx32", "多语言列表标签",
            "{zavo:language type='list'}\r\n"
            "<a href=\"{$field.url}\"><img src=\"{$field.logo}\" alt=\"{$field.title}\">{$field.title}</a>\r\n"
            "{/zavo:language}\r\n"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx33", "搜索功能标签",
            "{zavo:searchform type='default'}\r\n"
            " <form method=\"get\" action=\"{$field.action}\">\r\n"
            "\t{$field.hidden}\r\n"
            "        <input type=\"text\" name=\"keywords\" placeholder=\"请输入关键字\">\r\n"
            "\t<input type=\"submit\" value=\"搜索\">\r\n"
            " </form>\r\n"
            "{/zavo:searchform}\r\n"},
    {TagPage::OtherCommon, "FZ5", "其他常用标签", "dx34", "会员中心登录标签",
            "{zavo:user type='open'}\r\n"
            "\t{zavo:user type='cart'}\r\n"
            "        <a href=\"{$field.url}\" id=\"{$field.id}\" >购物车</a>\r\n"
            "        {$field.hidden}\r\n"
            "        {/zavo:user}\r\n"
            "\t{zavo:user type='login'}\r\n"
            "\t  <a href=\"{$field.url}\" id=\"{$field.id}\">登录</a>　\r\n"
            "\t  {$field.hidden}\r\n"
            "\t{/zavo:user}\r\n"
            "\t{zavo:user type='reg'}\r\n"
            "\t   <a href=\"{$field.url}\" id=\"{$field.id}\">注册</a> \r\n"
            "\t  {$field.hidden}\r\n"
            "\t{/zavo:user}\r\n"
            "\t{zavo:user type='logout'}\r\n"
            "\t  <a href=\"{$field.url}\" id=\"{$field.id}\">退出</a> \r\n"
            "\t  {$field.hidden}\r\n"
            "        {/zavo:user}\r\n"
            "{/zavo:user}\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx24", "uitype 单个栏目可视化标签",
            "<div class=\"zavo-edit\" e-id=\"1\" e-type=\"type\" e-page='index' >\r\n"
            "{zavo:uitype typeid='1' e-id='1' e-page='index'}\r\n"
            "{zavo:type type='self' empty='缺省文字'}\r\n"
            " <a href=\"{$field.typeurl}\">{$field.typename}</a>\r\n"
            "{/zavo:type}\r\n"
            "{/zavo:uitype}\r\n"
            "</div>\r\n"
            "\r\n"
            "<!--\r\n"
            "class=\"固定样式\"\r\n"
            "typeid='初始栏目ID '\r\n"
            "e-id='每组标签唯一数字id' \r\n"
            "e-page='模板文件名称'\r\n"
            "e-type=\"调用类型\"\r\n"
            "更多说明："
            TAGGEN_SITE_ADDRESS "/doc/label/ui/575.html"
            "\r\n"
            "-->\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx25", "uichannel菜单导航可视化标签",
            "<div class=\"zavo-edit\" e-id=\"2\" e-type=\"channel\" e-page=\"index\"> \r\n"
            "      {zavo:uichannel e-id=\"2\" typeid=\"1\" e-page=\"footer\"}\r\n"
            "        {zavo:type id=\"field\"}\r\n"
            "       <h4> <a href=\"{$field.typeurl}\" >{$field.typename}</a> </h4>\r\n"
            "        {/zavo:type}\r\n"
            "       <ul > \r\n"
            "        {zavo:channel type=\"son\" row=\"3\"}\r\n"
            "        <li> <a href=\"{$field.typeurl}\">{$field.typename}</a> </li> \r\n"
            "        {/zavo:channel}\r\n"
            "       </ul> \r\n"
            "      {/zavo:uichannel}\r\n"
            " </div> \r\n"
            "\r\n"
            "\r\n"
            "<!--\r\n"
            "class=\"固定样式\"\r\n"
            "typeid='初始栏目ID ' \r\n"
            "e-id='每组标签唯一数字id' \r\n"
            "e-page='模板文件名称'\r\n"
            "e-type=\"调用类型\"\r\n"
            "更多说明："
            TAGGEN_SITE_ADDRESS "/doc/label/ui/577.html"
            "\r\n"
            "-->\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx26", "uiarclist 文档列表可视化标签",
            "<div class=\"zavo-edit\" e-id=\"3\" e-type=\"arclist\" e-page=\"index\">\r\n"
            "{zavo:uiarclist e-id='3' typeid='1' e-page=\"index\"}\r\n"
            "<ul >\r\n"
            "{zavo:arclist row='4' titlelen='50' infolen='160'}\r\n"
            " <li><a href=\"{$field.arcurl}\"> {$field.title} </a> </li>\r\n"
            "{/zavo:arclist}\r\n"
            "</ul>\r\n"
            "{/zavo:uiarclist}\r\n"
            "</div>\r\n"
            "\r\n"
            "<!--\r\n"
            "class=\"固定样式\"\r\n"
            "typeid='初始栏目ID ' \r\n"
            "e-id='每组标签唯一数字id' \r\n"
            "e-page='模板文件名称'\r\n"
            "e-type=\"调用类型\"\r\n"
            "更多说明："
            TAGGEN_SITE_ADDRESS "/doc/label/ui/576.html"
            "\r\n"
            "-->\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx27", "uiupload 图片上传可视化标签",
            "<div class=\"zavo-edit\" e-id=\"1\" e-page='index' e-type=\"upload\">\r\n"
            "{zavo:uiupload e-id='1' e-page='index' id='field'}\r\n"
            "{$field.value}\r\n"
            "{zavo:else /}\r\n"
            "<img src=\"/uploads/180606/1-1P60610091T37.jpg\" alt='VedoZid' />\r\n"
            "{/zavo:uiupload}\r\n"
            "</div>\r\n"
            "\r\n"
            "<!--\r\n"
            "class=\"固定样式\"\r\n"
            "e-id='每组标签唯一数字id' \r\n"
            "e-page='模板文件名称'\r\n"
            "e-type=\"调用类型\"\r\n"
            "id='标签id '\r\n"
            "{$field.value} 可视化编辑输出内容\r\n"
            "{zavo:else /}  可视化编辑输出内容结束标签\r\n"
            "更多说明："
            TAGGEN_SITE_ADDRESS "/doc/label/ui/574.html"
            "\r\n"
            "-->\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx30", "Adv 广告位可视编辑标签",
            "<div e-page=\"index\"> \r\n"
            "{zavo:adv pid='1'}\r\n"
            "<a href=\"{$field.links}\"><img src=\"{$field.litpic}\" alt=\"{$field.title}\" class=\"zavo-edit \" e-id=\"{$field.id}\" e-type=\"adv\"/></a>\r\n"
            "{/zavo:adv}\r\n"
            "</div>\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx29", "uihtml 富文本可视化标签",
            "<a href=\""
            TAGGEN_SITE_ADDRESS
            "\" class=\"zavo-edit\" e-id=\"2\" e-page=\"index\" e-type=\"html\">\r\n"
            "<!-- uihtml可视化标签调用 start -->\r\n"
            "{zavo:uihtml e-id='2' e-page='index' id='field'}\r\n"
            "{$field.value}\r\n"
            "{zavo:else /}\r\n"
            "<a href='"
            TAGGEN_SITE_ADDRESS
            "'>VedoZid</a>\r\n"
            "{/zavo:uihtml}\r\n"
            "<!-- uihtml可视化标签调用 end -->\r\n"
            "</a>\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx28", "uitext 纯文本可视化标签",
            "<a href=\""
            TAGGEN_SITE_ADDRESS
            "\" class=\"zavo-edit\" e-id=\"1\" e-page='index' e-type=\"text\">\r\n"
            "<!-- uitext可视化标签调用 start -->\r\n"
            "{zavo:uitext e-id='100' e-page='index' id='field'}\r\n"
            "{$field.value}\r\n"
            "{zavo:else/}\r\n"
            "纯文本内容\r\n"
            "{/zavo:uitext}\r\n"
            "<!-- uitext可视化标签调用 end -->\r\n"
            "</a>\r\n"},
    {TagPage::VisualEditing, "FZ16", "可视编辑标签", "dx31", "可视化编辑开启标签",
            "{zavo:ui open='off' /}"},
};
// clang-format on

}  // namespace

std::span<const SnippetRow> snippet_rows() {
    return kRows;
}

}  // namespace taggen
